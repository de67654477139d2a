// The desktop as Quorvel.exe watches it for the hooks (control/core/
// DesktopWatch.h): a hidden top-level window of its own hears the display
// and setting changes Windows broadcasts (a message-only window would not)
// and ticks the full-screen question.
#pragma once

#include <windows.h>

#include "common/win32/Owners.h"
#include "control/core/Clock.h"
#include "control/core/DesktopWatch.h"

namespace quorvel {

// SHQueryUserNotificationState, bound by name from shell32 (Vista and later).
class ShellNotificationState : public NotificationStateSource {
public:
    ShellNotificationState();
    bool Query(uint32_t* state) override;

private:
    OwnedModule shell32_;
    FARPROC query_ = nullptr;
};

class Win32DesktopWatch {
public:
    Win32DesktopWatch(HookLibrary& library, Clock& clock);
    ~Win32DesktopWatch();
    Win32DesktopWatch(const Win32DesktopWatch&) = delete;
    Win32DesktopWatch& operator=(const Win32DesktopWatch&) = delete;

    // Once the hooks run: hands over the monitors and Windows' answer, then
    // keeps both up to date.
    void Start();
    bool FullScreen() const { return fullScreen_.FullScreen(); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void HandOverMonitors();

    HookLibrary& library_;
    Clock& clock_;
    ShellNotificationState windowsState_;
    FullScreenWatch fullScreen_;
    OwnedWindow window_;
};

}  // namespace quorvel
