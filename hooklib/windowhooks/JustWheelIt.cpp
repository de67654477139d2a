#include "JustWheelIt.h"

#include <cstring>

#include "common/BrowserPages.h"
#include "common/Messages.h"
#include "hooklib/core/OwnProgramWindow.h"
#include "hooklib/core/Reachability.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/core/WindowClassification.h"
#include "ActivityMonitor.h"

namespace quorvel {

namespace {

// The registered task switcher, when the registration names the control
// program's own switcher window (in Quorvel.exe's process: the record may
// have been rewritten) and a private message; else 0.
Hwnd TaskSwitcher(Context& ctx) {
    const Hwnd window = ctx.shared.TaskListWindow;
    const uint32_t message = ctx.shared.TaskListMessage;
    if (!window || !IsPrivateMessageNumber(message)) return 0;
    return ctx.windows.IsWindow(window) && IsOwnTaskSwitcherWindow(ctx, window) && IsQuorvelProgramWindow(ctx, window)
               ? window
               : 0;
}

}  // namespace

bool OpenTaskSwitcherOverTaskbar(Context& ctx, TaskbarPart part, HookMessage& msg) {
    if (part != TaskbarPart::TaskButtons) return false;
    const Hwnd switcher = TaskSwitcher(ctx);
    if (!switcher) return false;
    // This thread has the user's input: the switcher may take the foreground.
    ctx.windows.AllowSetForegroundFor(switcher);
    ctx.messages.PostMessage(switcher, ctx.shared.TaskListMessage, 0, 0);
    msg.message &= 0xFFFF0000u;
    return true;
}

void RedirectWheel(Context& ctx, HookMessage& msg) {
    // Drag-to-scroll's own turns belong to the page, wherever the pointer is.
    if (msg.hwnd == ctx.shared.DragScrollWindow && (msg.wParam & 0xFFFFu) == DRAG_SCROLL_WHEEL_KEYS) return;
    Point p;
    if (!ctx.input.GetCursorPos(&p)) return;
    const Hwnd under = ctx.windows.WindowFromPoint(p);
    const TaskbarPart part = TaskbarPartAt(ctx, under, p);
    if (OpenTaskSwitcherOverTaskbar(ctx, part, msg)) return;
    if (under == msg.hwnd) return;

    const uint32_t underThread = ctx.windows.GetWindowThreadId(under);
    const uint32_t ownThread = ctx.windows.GetWindowThreadId(msg.hwnd);
    // The notification area and the clock keep what Windows gives them (a
    // wheel that changes the volume there goes on working); a click to
    // bring them the turn would open their menus.
    if (underThread != ownThread && part == TaskbarPart::Other) return;
    // Over a program Quorvel cannot reach the turn stays where Windows sent it.
    if (under && underThread != ownThread && !GestureTargetReachable(ctx, under)) return;
    // The thread now delivers a WM_NULL instead of the wheel turn.
    msg.message &= 0xFFFF0000u;

    if (under && underThread == ownThread) {
        ctx.messages.PostMessage(under, win::WM_MOUSEWHEEL, msg.wParam, msg.lParam);
    } else if (GetRootWindow(ctx, under, 0)) {
        SendPrimaryClick(ctx, msg.pt.x, msg.pt.y);
    }
}

}  // namespace quorvel
