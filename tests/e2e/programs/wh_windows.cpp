// wh_windows.exe TITLE X Y W H [TITLE X Y W H ...]: plain top-level windows,
// all on the program's one thread. Each prints, flushed, one line per
// wheel turn, left press and activation it receives:
//   <title> wheel delta=<signed>
//   <title> lbuttondown
//   <title> activated
// and at start "ready <title>=<hex handle> ..." once all windows exist.
// The first window takes the keyboard focus. The key B makes the program
// busy for 3 s ("<title> busy"): input arriving meanwhile waits in its queue.
// wh_windows.exe --set-cursor X Y only moves the pointer there and ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Say(HWND w, const char* what) {
    char title[128];
    GetWindowTextA(w, title, sizeof title);
    std::printf("%s %s\n", title, what);
    std::fflush(stdout);
}

LRESULT CALLBACK WindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_MOUSEWHEEL: {
        char text[64];
        std::snprintf(text, sizeof text, "wheel delta=%d", static_cast<short>(HIWORD(wp)));
        Say(w, text);
        return 0;
    }
    case WM_LBUTTONDOWN:
        Say(w, "lbuttondown");
        break;
    case WM_KEYDOWN:
        if (wp == 'B') {
            Say(w, "busy");
            Sleep(3000);
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) Say(w, "activated");
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--set-cursor") == 0) {
        return SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3])) ? 0 : 1;
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "WhWindow";
    RegisterClassA(&wc);
    std::string ready = "ready";
    HWND first = nullptr;
    for (int i = 1; i + 4 < argc; i += 5) {
        HWND w = CreateWindowExA(0, wc.lpszClassName, argv[i], WS_POPUP | WS_CAPTION | WS_VISIBLE, std::atoi(argv[i + 1]),
                                 std::atoi(argv[i + 2]), std::atoi(argv[i + 3]), std::atoi(argv[i + 4]), nullptr,
                                 nullptr, wc.hInstance, nullptr);
        char text[160];
        std::snprintf(text, sizeof text, " %s=%lx", argv[i], static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)));
        ready += text;
        if (!first) first = w;
    }
    if (first) {
        SetForegroundWindow(first);
        SetFocus(first);
    }
    std::printf("%s\n", ready.c_str());
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
