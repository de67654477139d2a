#include "JustWheelIt.h"

#include "../core/Reachability.h"
#include "../core/WinConstants.h"
#include "../gestures/WindowClassification.h"
#include "ActivityMonitor.h"

namespace quorvel {

void RedirectWheel(Context& ctx, HookMessage& msg) {
    Point p;
    if (!ctx.os.GetCursorPos(&p)) return;
    const Hwnd under = ctx.os.WindowFromPoint(p);
    if (under == msg.hwnd) return;

    const uint32_t underThread = ctx.os.GetWindowThreadId(under);
    const uint32_t ownThread = ctx.os.GetWindowThreadId(msg.hwnd);
    // Over a program Quorvel cannot reach the turn stays where Windows sent it.
    if (under && underThread != ownThread && !GestureTargetReachable(ctx, under)) return;
    // The thread now delivers a WM_NULL instead of the wheel turn.
    msg.message &= 0xFFFF0000u;

    if (under && underThread == ownThread) {
        ctx.os.PostMessage(under, win::WM_MOUSEWHEEL, msg.wParam, msg.lParam);
    } else if (GetRootWindow(ctx, under, 0)) {
        SendPrimaryClick(ctx, msg.pt.x, msg.pt.y);
    }
}

}  // namespace quorvel
