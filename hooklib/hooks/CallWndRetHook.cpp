// The WH_CALLWNDPROCRET hook: the pointer trace behind the circle gesture and
// the pointer travel, and dialog tracking for Smart Move. It never changes a
// message; the glue passes every message on.
#include "HookProcedures.h"

#include <atomic>

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/HookFilters.h"
#include "hooklib/core/LaunchRequest.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/core/WindowClassification.h"
#include "hooklib/windowhooks/ActivityMonitor.h"
#include "hooklib/windowhooks/CircleDetector.h"
#include "hooklib/windowhooks/DialogTracking.h"
#include "hooklib/windowhooks/SmartMove.h"
#include "hooklib/windowhooks/SmartMoveThread.h"
#include "hooklib/windowhooks/WindowInfo.h"

namespace quorvel {
namespace {

constexpr uint32_t SHOW_WINDOW_SHOWN = 1;  // WM_SHOWWINDOW's wParam when the window is being shown

// Stores a new pointer position in the shared trace and asks the circle
// detector whether it closes a loop.
void TracePointer(Context& ctx, int32_t x, int32_t y) {
    SharedState& s = ctx.shared;
    RecordUserAction(ctx, ACTION_MOVE, s.LastTraceX, s.LastTraceY, x, y);
    int32_t slot = s.MouseTraceIndex;
    if (slot < 0 || slot >= MAX_MOUSE_TRACE_NUM) slot = s.MouseTraceIndex = 0;
    const uint32_t now = ctx.clock.GetTickCount();
    // x last: a slot still marked empty is never read with a half-written
    // point, and a reader meeting the old time takes the point for too old.
    TracePoint& point = s.MouseTrace[slot];
    point.time = now;
    point.y = y;
    std::atomic_thread_fence(std::memory_order_release);
    point.x = x;
    const bool circle = DetectCircle(ctx, slot, x, y, now);
    s.MouseTraceIndex = (slot + 1) % MAX_MOUSE_TRACE_NUM;
    if (circle) {
        WriteLog(ctx, "OK, User draw a circle.\n");
        // Quorvel.exe starts the user's browser: never inside a hook.
        if (ctx.SettingOn(SETTING_IE_LAUNCH)) RequestLaunch(ctx, LAUNCH_BROWSER);
    }
    s.LastTraceX = x;
    s.LastTraceY = y;
}

// First paint of a dialog: track it, remember its size, bring the pointer in.
void OnDialogPaint(Context& ctx, ThreadDialogs& mine, Hwnd dialog) {
    if (mine.tracked.count(dialog)) return;
    WriteLogF(ctx, "\nWM_NCPAINT: %x ", dialog);
    mine.stack.push_back(dialog);
    mine.tracked.insert(dialog);
    RegisterDialog(ctx, dialog);
    StartSmartMoveThread(ctx, dialog);
    LogWindowInfo(ctx, dialog);
}

// A dialog shown again after a hide gets the pointer again; a hide marks it.
void OnDialogShowWindow(Context& ctx, ThreadDialogs& mine, Hwnd dialog, uint32_t shown) {
    if (shown == SHOW_WINDOW_SHOWN) {
        if (mine.hidden.count(dialog)) StartSmartMoveThread(ctx, dialog);
    } else if (mine.tracked.count(dialog)) {
        mine.hidden.insert(dialog);
    }
}

// The top of the stack goes whichever dialog was destroyed; the pointer
// returns into the dialog that is uppermost again when it is in front.
void OnDialogDestroy(Context& ctx, ThreadDialogs& mine, Hwnd dialog) {
    if (!mine.tracked.count(dialog)) return;
    WriteLogF(ctx, "\nWM_DESTROY: %x", dialog);
    if (!mine.stack.empty()) mine.stack.pop_back();
    mine.tracked.erase(dialog);
    if (mine.stack.empty()) return;
    const Hwnd top = mine.stack.back();
    if (top == ctx.windows.GetForegroundWindow()) {
        StartSmartMoveThread(ctx, top);
    } else {
        WriteLog(ctx, "\nUpper window is not foreground window");
    }
}

}  // namespace

void CallWndRetHookBody(Context& ctx, const CallWndRetInput& in) {
    const uint32_t m = in.message;
    SharedState& s = ctx.shared;

    if (m == win::WM_NCHITTEST) {
        if (s.Paused) return;
        // Signed halves: left of or above the primary monitor is negative.
        const int32_t x = static_cast<int16_t>(in.lParam & 0xFFFFu);
        const int32_t y = static_cast<int16_t>(in.lParam >> 16);
        if (x == s.LastTraceX && y == s.LastTraceY) return;
        FetchThreadDialogs(ctx);
        TracePointer(ctx, x, y);
        return;
    }
    if (s.Paused) return;

    ThreadDialogs mine = FetchThreadDialogs(ctx);
    if (!IfDialogBoxWindow(ctx, in.hwnd)) return;
    if (m == win::WM_NCPAINT) {
        OnDialogPaint(ctx, mine, in.hwnd);
    } else if (m == win::WM_SHOWWINDOW) {
        OnDialogShowWindow(ctx, mine, in.hwnd, in.wParam);
    } else {
        OnDialogDestroy(ctx, mine, in.hwnd);
    }
}

}  // namespace quorvel
