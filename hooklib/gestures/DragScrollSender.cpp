#include "DragScrollSender.h"

#include <cstring>

#include "common/Messages.h"
#include "hooklib/core/Browsers.h"
#include "hooklib/core/DebugLog.h"
#include "hooklib/core/OwnProgramWindow.h"
#include "ButtonMessages.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel {
namespace {

// The registered main window, when it exists and carries our marker.
bool MainWindowUsable(Windows& windows, const SharedState& s) {
    if (!s.MainWindow || !IsPrivateMessageNumber(s.MainWindowMessage) || !windows.IsWindow(s.MainWindow)) return false;
    return s.OwnWindowMarker == 0 || windows.GetUserData(s.MainWindow) == s.OwnWindowMarker;
}

// Checked again before every post, never only when the drag was armed: any
// program can rewrite the record meanwhile. The target must still be a
// window of Quorvel.exe's process carrying the marker, and the message one
// of the private range; else nothing is posted and the drag ends.
bool TargetStillOurs(Context& ctx, uint32_t target, uint32_t message) {
    return IsPrivateMessageNumber(message) && IsQuorvelProgramWindow(ctx, target);
}

// Posts one message of the drag to its target once the target passed the
// check; false (the drag is over) when it did not.
bool PostToTarget(Context& ctx, uint32_t message, Point at) {
    SharedState& s = ctx.shared;
    const uint32_t target = s.DragScrollTarget;
    if (!TargetStillOurs(ctx, target, message)) {
        s.DragScrollState = DRAG_SCROLL_IDLE;
        return false;
    }
    ctx.messages.PostMessage(target, message, PackPointLParam(at.x, at.y), s.DragScrollWindow);
    return true;
}

void PostEnd(Context& ctx, Point at) { PostToTarget(ctx, DRAG_SCROLL_END_MESSAGE, at); }

int32_t Distance(int32_t a, int32_t b) { return a > b ? a - b : b - a; }

}  // namespace

void CallOffDragScroll(Context& ctx, Point at) {
    SharedState& s = ctx.shared;
    const uint32_t state = s.DragScrollState;
    s.DragScrollState = DRAG_SCROLL_IDLE;
    if (state == DRAG_SCROLL_SCROLLING) PostEnd(ctx, at);
}

void ArmDragScroll(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    // A drag whose release never reached us (paused, lost): end it first.
    CallOffDragScroll(ctx, in.pt);
    if (!ctx.SettingOn(SETTING_JUST_WHEEL_IT) || !MainWindowUsable(ctx.windows, s) ||
        DragScrollPage(ctx, in.hwnd, in.pt) == BROWSER_NONE) {
        return;
    }
    s.DragScrollWindow = in.hwnd;
    s.DragScrollTarget = s.MainWindow;
    s.DragScrollMessage = s.MainWindowMessage;
    s.DragScrollState = DRAG_SCROLL_HOLDING;
}

void OnDragScrollMove(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    Point at = in.pt;
    if (s.DragScrollState == DRAG_SCROLL_HOLDING) {
        if (s.MButtonDownPending != 1) {  // released where we did not see it
            s.DragScrollState = DRAG_SCROLL_IDLE;
            return;
        }
        if (ctx.clock.GetTickCount() - s.MButtonDownTime < DRAG_SCROLL_HOLD_TIME) {
            // Moving off at once: the ordinary minimize/maximize drag.
            if (Distance(in.pt.x, s.MButtonDownX) > DRAG_SCROLL_HOLD_DISTANCE ||
                Distance(in.pt.y, s.MButtonDownY) > DRAG_SCROLL_HOLD_DISTANCE) {
                s.DragScrollState = DRAG_SCROLL_IDLE;
            }
            return;
        }
        s.DragScrollState = DRAG_SCROLL_SCROLLING;
        WriteLogF(ctx, "Middle button held over page %x: drag scrolls", s.DragScrollWindow);
        // The first step takes hold of the page where it was pressed, so the
        // way moved since (moves may reach us merged) counts in the next one.
        at = Point{s.MButtonDownX, s.MButtonDownY};
        s.DragScrollLastX = at.x + 1;
    }
    if (s.DragScrollState != DRAG_SCROLL_SCROLLING) return;
    if (!(ctx.input.GetKeyState(win::VK_MBUTTON) & 0x8000)) {
        // Up as of this move: the release went by unseen (paused, taken by
        // another hook, over a window we do not hook).
        CallOffDragScroll(ctx, in.pt);
        return;
    }
    // Programs get moves that are none (after a click, a repaint): no step for those.
    if (s.DragScrollLastX == at.x && s.DragScrollLastY == at.y) return;
    s.DragScrollLastX = at.x;
    s.DragScrollLastY = at.y;
    PostToTarget(ctx, s.DragScrollMessage, at);
}

bool EndDragScroll(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    const uint32_t state = s.DragScrollState;
    s.DragScrollState = DRAG_SCROLL_IDLE;
    if (state != DRAG_SCROLL_SCROLLING) return false;
    // A busy program gets the last moves merged into the release: the
    // release's position is then the drag's last step.
    if ((s.DragScrollLastX == in.pt.x && s.DragScrollLastY == in.pt.y) ||
        PostToTarget(ctx, s.DragScrollMessage, in.pt)) {
        PostEnd(ctx, in.pt);
    }
    WriteLog(ctx, "Middle button drag scroll ended");
    return true;
}

}  // namespace quorvel
