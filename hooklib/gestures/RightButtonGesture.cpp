#include "RightButtonGesture.h"

#include "hooklib/core/Browsers.h"
#include "hooklib/core/DebugLog.h"
#include "hooklib/core/WinConstants.h"
#include "ButtonMessages.h"
#include "CursorPosition.h"
#include "GestureActions.h"
#include "GestureCancel.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel {
namespace {

// Classifies an ended drag and runs its action. False when no action ran:
// no direction, or the direction's feature is off (there is no fall-through
// to another direction).
bool RunDragAction(Context& ctx, int32_t dx, int32_t dy) {
    SharedState& s = ctx.shared;
    if (dx < -MIN_MOUSE_MOVE_DISTANCE) {
        if (!ctx.SettingOn(SETTING_IE_GO_BACK)) return false;
        SendBrowserBack(ctx.input);
        WriteLog(ctx, "Detect mouse move leftward");
        return true;
    }
    if (dx > MIN_MOUSE_MOVE_DISTANCE) {
        if (!ctx.SettingOn(SETTING_IE_GO_FORWARD)) return false;
        SendBrowserForward(ctx.input);
        WriteLog(ctx, "Detect mouse move rightward");
        return true;
    }
    if (dy < -MIN_MOUSE_MOVE_DISTANCE) {
        if (!ctx.SettingOn(SETTING_IE_OPEN_URL)) return false;
        s.CenterNextDialogOnCursor = 1;
        if (s.RButtonDownInIE == 1) {
            SendOpenLocation(ctx.input);
        } else if (s.RButtonDownInFirefox == 1 || s.RButtonDownInChromium == 1) {
            SendFocusLocationBar(ctx.input);
        }
        WriteLog(ctx, "Detect mouse move upward");
        return true;
    }
    if (dy > MIN_MOUSE_MOVE_DISTANCE) {
        if (!ctx.SettingOn(SETTING_IE_STOP)) return false;
        SendEscape(ctx.input);
        WriteLog(ctx, "Detect mouse move downward");
        return true;
    }
    return false;
}

// Gives the page the click it did not see: a press at the drag's start and a
// release at its end, in the window's client coordinates. A window that has
// vanished gets nothing.
void ReplayRightClick(Context& ctx, Hwnd window, Point start, Point end) {
    if (!ctx.windows.ScreenToClient(window, &start) || !ctx.windows.ScreenToClient(window, &end)) return;
    ctx.messages.PostMessage(window, win::WM_RBUTTONDOWN, win::MK_RBUTTON, PackPointLParam(start.x, start.y));
    ctx.messages.PostMessage(window, win::WM_RBUTTONUP, 0, PackPointLParam(end.x, end.y));
}

// A drag that ends over a window's frame (caption, border) ends like one
// that ends over its client area; the click it gives back goes to the page
// that got the press rather than to the frame.
Hwnd ReplayWindow(Context& ctx, const MouseHookInput& in) {
    const Hwnd pressed = ctx.shared.LastRButtonDownWindow;
    if (in.message == win::WM_NCRBUTTONUP && pressed != 0 && ctx.windows.IsWindow(pressed)) return pressed;
    return in.hwnd;
}

}  // namespace

bool OnRightButtonDown(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    s.PrevRButtonDownWindow = s.LastRButtonDownWindow;
    s.LastRButtonDownWindow = in.hwnd;
    WriteLog(ctx, "\nMouse right button down.");

    const BrowserFamily page = RightPressPage(ctx, in.hwnd, in.pt);
    s.RButtonDownInIE = page == BROWSER_INTERNET_EXPLORER ? 1 : 0;
    s.RButtonDownInFirefox = page == BROWSER_FIREFOX ? 1 : 0;
    s.RButtonDownInChromium = page == BROWSER_CHROMIUM ? 1 : 0;
    bool inBrowser = page != BROWSER_NONE;

    if (in.message == win::WM_RBUTTONDBLCLK && inBrowser) {
        WriteLog(ctx, "***************** Haha, right button click in IE or firefox *****************");
    }
    if (in.message == win::WM_RBUTTONDOWN && inBrowser) {
        WriteLog(ctx, "Set IERButtonDown to true");
        // The start is stored before the drag is armed: a fault in between
        // leaves nothing armed with a stale start.
        s.RDragStartTime = ctx.clock.GetTickCount();
        Point start = CursorPositionOr(ctx.input, in.pt);
        s.RDragStartX = start.x;
        s.RDragStartY = start.y;
        s.IERButtonDown = 1;
    } else if (in.message == win::WM_RBUTTONDOWN) {
        CallOffGestures(ctx, GESTURE_RIGHT_DRAG, "the right button was pressed outside a page", in.pt);
    }
    return inBrowser;
}

bool OnRightButtonUp(Context& ctx, const MouseHookInput& in) {
    SharedState& s = ctx.shared;
    QueuedMessage queued;
    bool read = ctx.messages.PeekMessage(in.hwnd, in.message, &queued);
    if (s.IERButtonDown == 0) {
        CheckRightDoubleClick(ctx, in, queued, read);
        return false;
    }

    Point end = CursorPositionOr(ctx.input, in.pt);
    s.IERButtonDown = 0;
    Point start{s.RDragStartX, s.RDragStartY};
    int32_t dx = end.x - start.x;
    int32_t dy = end.y - start.y;
    WriteLogF(ctx, "\nRight button drag. Time diff : %d ms, x diff : %d, y diff : %d",
              static_cast<int>(ctx.clock.GetTickCount() - s.RDragStartTime), dx, dy);
    if (!RunDragAction(ctx, dx, dy)) ReplayRightClick(ctx, ReplayWindow(ctx, in), start, end);
    CheckRightDoubleClick(ctx, in, queued, read);
    return true;
}

void CheckRightDoubleClick(Context& ctx, const MouseHookInput& in, const QueuedMessage& queued, bool read) {
    SharedState& s = ctx.shared;
    uint32_t time = read ? queued.time : ctx.clock.GetTickCount();
    Point pos = read ? queued.pt : CursorPositionOr(ctx.input, in.pt);
    const char* name = in.message == win::WM_RBUTTONUP ? "WM_RBUTTONUP" : "WM_NCRBUTTONUP";
    WriteLogF(ctx, "Right button up : time : %d, x : %d, y : %d, message: %s", static_cast<int>(time), pos.x, pos.y,
              name);

    bool doubleClick = static_cast<int32_t>(time - s.LastRButtonUpTime) < s.DoubleClickTime &&
                       InDoubleClickBox(pos.x, s.LastRButtonUpX, s.DoubleClickWidth) &&
                       InDoubleClickBox(pos.y, s.LastRButtonUpY, s.DoubleClickHeight) &&
                       ctx.SettingOn(SETTING_APP_CLOSE);
    if (doubleClick) CloseClickedWindow(ctx, s.PrevRButtonDownWindow);

    s.LastRButtonUpTime = time;
    s.LastRButtonUpX = pos.x;
    s.LastRButtonUpY = pos.y;
}

}  // namespace quorvel
