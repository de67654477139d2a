#include "Foreground.h"

#include "control/core/win32/DebugLine.h"

namespace quorvel {

bool OfThisProcess(HWND window) {
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

bool TakeForeground(HWND window) {
    SetForegroundWindow(window);
    if (GetForegroundWindow() == window) return true;
    INPUT nothing{};
    nothing.type = INPUT_MOUSE;
    SendInput(1, &nothing, sizeof nothing);
    SetForegroundWindow(window);
    if (GetForegroundWindow() == window) return true;
    WriteDebugLine("Task switcher could not take the foreground");
    return false;
}

// Given before the switcher hides, so that Windows does not activate
// whichever window comes next.
void ForegroundWatch::GiveBack() const {
    if (before_ && IsWindow(before_) && IsWindowVisible(before_) && !OfThisProcess(before_)) {
        SetForegroundWindow(before_);
    }
}

bool ForegroundWatch::UserWentElsewhere() {
    HWND front = GetForegroundWindow();
    if (!front) return false;
    if (OfThisProcess(front)) {
        inFront_ = true;
        return false;
    }
    return inFront_ || front != before_;
}

}  // namespace quorvel
