#include "ApplicationWindow.h"

namespace quorvel {

namespace {
constexpr const char* APPLICATION_CLASS = "QuorvelApplication";
}

HWND ApplicationWindow::Window() {
    if (window_) return window_.Get();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(instance, APPLICATION_CLASS, &windowClass)) {
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = APPLICATION_CLASS;
        RegisterClassA(&windowClass);
    }
    // No title: nothing looks for it by name.
    window_.Reset(CreateWindowExA(0, APPLICATION_CLASS, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
    return window_.Get();
}

}  // namespace quorvel
