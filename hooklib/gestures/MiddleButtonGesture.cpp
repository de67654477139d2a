#include "MiddleButtonGesture.h"

#include "hooklib/core/DebugLog.h"
#include "ButtonMessages.h"
#include "CursorPosition.h"
#include "DragScrollSender.h"
#include "GestureActions.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel {
namespace {

// The drag test of a release that follows a recorded press.
void RunMiddleDrag(Context& ctx, Point end) {
    SharedState& s = ctx.shared;
    s.MButtonDownPending = 0;
    int32_t dx = end.x - s.MButtonDownX;
    WriteLogF(ctx, "\nMiddle button drag, time diff : %d ms, x diff : %d",
              static_cast<int>(ctx.clock.GetTickCount() - s.MButtonDownTime), dx);

    int action = SIZE_ACTION_NONE;
    if (dx < -MIN_MOUSE_MOVE_DISTANCE) {
        if (ctx.SettingOn(SETTING_APP_MINIMIZE)) {
            WriteLog(ctx, "Detect Middle button drag left action");
            action = SIZE_ACTION_MINIMIZE;
        }
    } else if (dx > MIN_MOUSE_MOVE_DISTANCE && ctx.SettingOn(SETTING_APP_MAXIMIZE)) {
        WriteLog(ctx, "Detect Middle button drag right action");
        action = SIZE_ACTION_MAXIMIZE;
    }
    if (action == SIZE_ACTION_NONE) return;

    // The window under the cursor at the release, not at the press.
    Hwnd target = GetRootWindow(ctx, ctx.windows.WindowFromPoint(end), 1);
    if (target && CanSizeWindow(ctx, target)) MinimizeOrMaximizeWindow(ctx, action, target);
}

// The double-click test against the previous release seen in this process.
void RunMiddleDoubleClick(Context& ctx, const MouseHookInput& in, uint32_t now) {
    SharedState& s = ctx.shared;
    ProcessState& p = ctx.process;
    int32_t elapsed = static_cast<int32_t>(now - p.LastMButtonUpTime);
    WriteLogF(ctx, "\nMiddle button pressed. Time diff: %d ms, x : %d, y : %d, lastX : %d, lastY : %d, windows : %x",
              elapsed, in.pt.x, in.pt.y, p.lastX, p.lastY, in.hwnd);
    if (elapsed < s.MBUTTON_DBCLICK_TIME_LIMIT && InDoubleClickBox(in.pt.x, p.lastX, s.DoubleClickWidth) &&
        InDoubleClickBox(in.pt.y, p.lastY, s.DoubleClickHeight)) {
        WriteLog(ctx, "Middle button double clicked. Show desktop");
        if (ctx.SettingOn(SETTING_APP_SHOW_DESKTOP)) ShowDesktop(ctx);
    }
    p.LastMButtonUpTime = now;
    p.lastX = in.pt.x;
    p.lastY = in.pt.y;
}

}  // namespace

bool OnMiddleButtonDown(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    s.MButtonDownPending = 1;
    s.MButtonDownTime = ctx.clock.GetTickCount();
    Point p = CursorPositionOr(ctx.input, in.pt);
    s.MButtonDownX = p.x;
    s.MButtonDownY = p.y;
    ArmDragScroll(ctx, in);
    // Notepad and Word would start their own middle-button scrolling.
    return IsNotepadOrWordProcess(ctx.system.GetCommandLine());
}

void OnMiddleButtonUp(Context& ctx, const MouseHookInput& in) {
    if (EndDragScroll(ctx, in)) {
        // A scrolling drag is neither a size drag nor half of a double-click:
        // the next release in this process pairs with nothing before it.
        ctx.shared.MButtonDownPending = 0;
        ctx.process.LastMButtonUpTime = ctx.clock.GetTickCount() - ctx.shared.MBUTTON_DBCLICK_TIME_LIMIT;
        return;
    }
    Point end = CursorPositionOr(ctx.input, in.pt);
    if (ctx.shared.MButtonDownPending == 1) RunMiddleDrag(ctx, end);
    RunMiddleDoubleClick(ctx, in, ctx.clock.GetTickCount());
}

}  // namespace quorvel
