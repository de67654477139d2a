// wh_windows.exe TITLE X Y W H [TITLE X Y W H ...]: plain top-level windows,
// all on the program's one thread, each created on top of the ones before.
// Each prints, flushed, one line per wheel turn, left press and activation
// it receives:
//   <title> wheel delta=<signed>
//   <title> lbuttondown
//   <title> activated
// and at start "ready <title>=<hex handle> ..." once all windows exist.
// The last window takes the keyboard focus. The key M makes the window with
// the focus go below every other window as soon as a wheel turn waits in the
// queue, before the turn is taken out of it ("<title> went below"): the
// program then takes a turn that was made over that window while another
// window lies under the pointer, as when Windows hands a turn to the
// focused window.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND g_lowerOnWheel = nullptr;

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
        case WM_LBUTTONDOWN: Say(w, "lbuttondown"); break;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) Say(w, "activated");
            break;
        case WM_KEYDOWN:
            if (wp == 'M') {
                g_lowerOnWheel = w;
                Say(w, "waits for a wheel turn");
            }
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

// One message taken and handled; false at WM_QUIT.
bool Pump() {
    MSG msg;
    if (!g_lowerOnWheel) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    } else if (PeekMessageA(&msg, nullptr, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_NOREMOVE)) {
        SetWindowPos(g_lowerOnWheel, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        Say(g_lowerOnWheel, "went below");
        g_lowerOnWheel = nullptr;
        return true;
    } else if (!PeekMessageA(&msg, nullptr, 0, WM_MOUSEWHEEL - 1, PM_REMOVE) &&
               !PeekMessageA(&msg, nullptr, WM_MOUSEWHEEL + 1, 0xFFFFFFFF, PM_REMOVE)) {
        Sleep(10);
        return true;
    }
    if (msg.message == WM_QUIT) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "WhWindow";
    RegisterClassA(&wc);
    std::string ready = "ready";
    HWND last = nullptr;
    for (int i = 1; i + 4 < argc; i += 5) {
        last = CreateWindowExA(0, wc.lpszClassName, argv[i], WS_POPUP | WS_CAPTION | WS_VISIBLE, std::atoi(argv[i + 1]),
                               std::atoi(argv[i + 2]), std::atoi(argv[i + 3]), std::atoi(argv[i + 4]), nullptr, nullptr,
                               wc.hInstance, nullptr);
        char text[160];
        std::snprintf(text, sizeof text, " %s=%lx", argv[i],
                      static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(last)));
        ready += text;
    }
    if (last) {
        SetForegroundWindow(last);
        SetFocus(last);
    }
    std::printf("%s\n", ready.c_str());
    std::fflush(stdout);
    while (Pump()) {
    }
    return 0;
}
