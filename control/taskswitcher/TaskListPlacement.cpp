#include "TaskListPlacement.h"

#include <algorithm>

#include "common/Twips.h"

namespace quorvel {

namespace {

constexpr int LIST_BORDERS = 4;  // the list's sunken edge
constexpr int FORM_BORDERS = 6;  // the form's fixed frame

TaskListPlacement SizeTaskList(const TaskListMetrics& m, const TaskListContent& content) {
    const int maxW = RoundHalfToEven(m.cxFull / 2.0);
    const int maxH = RoundHalfToEven(m.cyFull / 2.0);
    const int contentH = content.rowHeight * content.rowCount;
    const bool clippedV = maxH < contentH;
    const bool clippedH = maxW < content.contentWidth;
    int listH = std::min(maxH, contentH);
    int listW = std::min(maxW, content.contentWidth);
    if (clippedH) listH += m.cyHScroll;
    if (clippedV) listW += m.cxVScroll;

    TaskListPlacement p;
    p.listWidth = listW + LIST_BORDERS;
    p.listHeight = listH + LIST_BORDERS;
    p.width = p.listWidth + FORM_BORDERS;
    // The system widens a narrower captioned window by itself; the list
    // takes the room, and the form is centred and kept on the screen by the
    // width it really gets.
    if (p.width < m.minTrackW) {
        p.width = m.minTrackW;
        p.listWidth = p.width - FORM_BORDERS;
    }
    p.height = p.listHeight + m.captionH + FORM_BORDERS;
    return p;
}

}  // namespace

TaskListPlacement PlaceTaskList(const TaskListMetrics& m, const TaskListContent& content, int cursorX, int cursorY) {
    TaskListPlacement p = SizeTaskList(m, content);
    // The caption bar is centred vertically on the pointer, the form
    // horizontally.
    const int x = cursorX - m.areaLeft;
    const int y = cursorY - m.areaTop;
    const double halfCaption = m.captionH / 2.0;
    if (halfCaption >= y) {
        p.top = 0;
    } else if (y + p.height - halfCaption > m.cyFull) {
        p.top = m.cyFull - p.height;
    } else {
        p.top = RoundHalfToEven(y - halfCaption);
    }
    const double halfWidth = p.width / 2.0;
    if (halfWidth > x) {
        p.left = 0;
    } else if (x + halfWidth > m.cxFull) {
        p.left = m.cxFull - p.width;
    } else {
        p.left = RoundHalfToEven(x - halfWidth);
    }
    p.left += m.areaLeft;
    p.top += m.areaTop;
    return p;
}

TaskListPlacement CentreTaskList(const TaskListMetrics& m, const TaskListContent& content) {
    TaskListPlacement p = SizeTaskList(m, content);
    p.left = m.areaLeft + RoundHalfToEven((m.cxFull - p.width) / 2.0);
    p.top = m.areaTop + RoundHalfToEven((m.cyFull - p.height) / 2.0);
    return p;
}

}  // namespace quorvel
