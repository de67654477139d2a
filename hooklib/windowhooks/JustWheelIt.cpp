#include "JustWheelIt.h"

#include <cstring>

#include "hooklib/core/OwnProgramWindow.h"
#include "hooklib/core/Reachability.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/core/WindowClassification.h"
#include "ActivityMonitor.h"

namespace quorvel {

namespace {

constexpr uint32_t FIRST_PRIVATE_MESSAGE = 0xC000;
constexpr uint32_t LAST_PRIVATE_MESSAGE = 0xFFFF;

bool IsTaskbar(Context& ctx, Hwnd window) {
    const Hwnd root = GetRootWindow(ctx, window, 0);
    char className[16] = {};
    return root && ctx.windows.GetClassName(root, className, sizeof className) > 0 &&
           std::strcmp(className, TASKBAR_CLASS) == 0;
}

// The registered task switcher, when the registration names the control
// program's own switcher window (in Quorvel.exe's process: the record may
// have been rewritten) and a private message; else 0.
Hwnd TaskSwitcher(Context& ctx) {
    const Hwnd window = ctx.shared.TaskListWindow;
    const uint32_t message = ctx.shared.TaskListMessage;
    if (!window || message < FIRST_PRIVATE_MESSAGE || message > LAST_PRIVATE_MESSAGE) return 0;
    return ctx.windows.IsWindow(window) && IsOwnTaskSwitcherWindow(ctx, window) && IsQuorvelProgramWindow(ctx, window)
               ? window
               : 0;
}

}  // namespace

bool OpenTaskSwitcherOverTaskbar(Context& ctx, Hwnd under, HookMessage& msg) {
    if (!IsTaskbar(ctx, under)) return false;
    const Hwnd switcher = TaskSwitcher(ctx);
    if (!switcher) return false;
    // This thread has the user's input: the switcher may take the foreground.
    ctx.windows.AllowSetForegroundFor(switcher);
    ctx.messages.PostMessage(switcher, ctx.shared.TaskListMessage, 0, 0);
    msg.message &= 0xFFFF0000u;
    return true;
}

void RedirectWheel(Context& ctx, HookMessage& msg) {
    Point p;
    if (!ctx.input.GetCursorPos(&p)) return;
    const Hwnd under = ctx.windows.WindowFromPoint(p);
    if (OpenTaskSwitcherOverTaskbar(ctx, under, msg)) return;
    if (under == msg.hwnd) return;

    const uint32_t underThread = ctx.windows.GetWindowThreadId(under);
    const uint32_t ownThread = ctx.windows.GetWindowThreadId(msg.hwnd);
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
