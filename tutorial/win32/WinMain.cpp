// QuorvelTutorial.exe: shows how each Quorvel mouse shortcut is made. The
// command line (the control program passes "0") is not read.
#include <windows.h>

#include "MainWindow.h"
#include "common/win32/SafeLoading.h"

namespace {

// Draws at the display's real DPI instead of being stretched by the system
// (the call exists from Windows Vista on).
void DeclareDpiAware() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return;
    using SetProcessDPIAwareFn = BOOL(WINAPI*)();
    auto fn =
        reinterpret_cast<SetProcessDPIAwareFn>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware")));
    if (fn) fn();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    quorvel::SearchSystemFolderOnly();  // before anything is loaded at run time
    DeclareDpiAware();
    quorvel::tutorial::MainWindow window;
    if (!window.Create(instance)) return 1;
    return window.Run();
}
