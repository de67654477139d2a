#include "SharedStateLife.h"

#include <cstring>

namespace quorvel {

void InitialiseSharedState(SharedState& s) {
    std::memset(&s, 0, sizeof s);
    s.Setting = DEFAULT_SETTING;
    s.FirstInitPending = 1;
    s.CyHScroll = s.CxHScroll = s.CyVScroll = s.CxVScroll = 20;
    s.LastRButtonUpX = s.LastRButtonUpY = -100;
    s.DoubleClickWidth = s.DoubleClickHeight = 1;
    s.DoubleClickTime = 250;
    s.MBUTTON_DBCLICK_TIME_LIMIT = MBUTTON_DBCLICK_TIME_LIMIT_INITIAL;
    s.LastTraceX = s.LastTraceY = -1;
    s.FullScreenPause = 1;
    for (TracePoint& p : s.MouseTrace) {
        p.x = TRACE_SLOT_EMPTY;
        p.y = TRACE_SLOT_EMPTY;
        p.time = 0xFFFFFFFFu;
    }
}

void ResetSharedState(SharedState& s) {
    s.ChordSecondUpPending = 0;
    s.VersionMajor = s.VersionMinor = s.VersionBuild = 0;
    s.CenterNextDialogOnCursor = 0;
    s.Paused = 0;
    s.FirstInitPending = 1;
    std::memset(s.ActivityTable, 0, sizeof s.ActivityTable);
    s.PeriodStartMinute = s.CurrentMinute = s.LastActionMinute = s.LastClickOrKeyTime = 0;
    s.LastRButtonDownWindow = s.PrevRButtonDownWindow = 0;
    s.LastRButtonUpTime = 0;
    s.LastRButtonUpX = s.LastRButtonUpY = -100;
    s.TaskListWindow = s.TaskListMessage = 0;
    s.MainWindow = s.MainWindowMessage = 0;
    s.OwnWindowMarker = 0;
    s.LastTraceX = s.LastTraceY = -1;
    s.MouseTraceIndex = 0;
    s.LastCircleTime = 0;
    s.RDragStartX = s.RDragStartY = 0;
    s.RDragStartTime = 0;
    s.IERButtonDown = 0;
    s.LastShowDesktopTime = 0;
    s.MButtonDownTime = 0;
    s.MButtonDownX = s.MButtonDownY = 0;
    s.MButtonDownPending = 0;
    s.DragScrollState = s.DragScrollWindow = s.DragScrollTarget = s.DragScrollMessage = 0;
    s.DragScrollLastX = s.DragScrollLastY = 0;
    s.LButtonHeld = s.RButtonHeld = 0;
    s.IsNTPlatform = 0;
}

}  // namespace quorvel
