// clickwin.exe TITLE LOGFILE: a plain top-level window (at 100,100, 400x300)
// that appends "click mapped=<0|1>" to LOGFILE at every left-button press,
// where mapped tells whether system.dat is loaded in this process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

const char* g_log = nullptr;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_LBUTTONDOWN && g_log) {
        if (FILE* f = std::fopen(g_log, "a")) {
            std::fprintf(f, "click mapped=%d\n", GetModuleHandleA("system.dat") != nullptr ? 1 : 0);
            std::fclose(f);
        }
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* title = __argc > 1 ? __argv[1] : "clickwin";
    g_log = __argc > 2 ? __argv[2] : nullptr;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "QuorvelClickWin";
    RegisterClassA(&wc);
    HWND w = CreateWindowA("QuorvelClickWin", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                           nullptr, instance, nullptr);
    if (!w) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
