// Size and place of the task switcher: a list at most half the screen's
// full-screen area each way (plus scroll bars where it is cut); opened by
// the mouse, the form's caption bar centred on the pointer, the whole form
// kept on the screen; opened by the keyboard, the form centred on the area.
#pragma once

namespace quorvel {

struct TaskListMetrics {
    // The area the form is kept in: on the primary monitor (0, 0) and
    // SM_CXFULLSCREEN x SM_CYFULLSCREEN, on another one its work area.
    int areaLeft = 0;
    int areaTop = 0;
    int cxFull = 0;
    int cyFull = 0;
    int captionH = 0;   // SM_CYCAPTION
    int cyHScroll = 0;  // SM_CYHSCROLL
    int cxVScroll = 0;  // SM_CXVSCROLL
    int minTrackW = 0;  // SM_CXMINTRACK: no captioned window is narrower
};

struct TaskListContent {
    int rowHeight = 0;  // bounds of row 0, columns sized to their entries
    int rowCount = 0;
    int contentWidth = 0;  // right edge of row 0
};

struct TaskListPlacement {
    int listWidth = 0;  // the list control's outer size
    int listHeight = 0;
    int left = 0;  // the form's outer rectangle
    int top = 0;
    int width = 0;
    int height = 0;
};

TaskListPlacement PlaceTaskList(const TaskListMetrics& metrics, const TaskListContent& content, int cursorX,
                                int cursorY);
// The same size, centred on the area (halves rounded to even).
TaskListPlacement CentreTaskList(const TaskListMetrics& metrics, const TaskListContent& content);

}  // namespace quorvel
