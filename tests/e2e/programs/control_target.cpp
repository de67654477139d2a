// A plain application window for gestures to act on:
//   control_target TITLE X Y   a 300 x 200 window at (X, Y)
#include <windows.h>

#include <cstdlib>

namespace {
LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int main(int argc, char** argv) {
    const char* title = argc > 1 ? argv[1] : "Control Target";
    const int x = argc > 3 ? std::atoi(argv[2]) : 100;
    const int y = argc > 3 ? std::atoi(argv[3]) : 100;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "ControlTargetWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, x, y, 300, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
