// clickwin.exe TITLE LOGFILE: a plain top-level window (at 100,100, 400x300)
// that appends "click mapped=<0|1> at=<x>,<y>" to LOGFILE at every left-button
// press and "release at=<x>,<y>" at every release (screen pixels; "other"
// lines for the other buttons), where mapped tells whether system.dat is
// loaded in this process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

const char* g_log = nullptr;

void Append(HWND w, LPARAM lp, const char* what) {
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    ClientToScreen(w, &at);
    if (FILE* f = std::fopen(g_log, "a")) {
        std::fprintf(f, "%s at=%ld,%ld\n", what, at.x, at.y);
        std::fclose(f);
    }
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (g_log) {
        if (m == WM_LBUTTONDOWN) Append(w, lp, GetModuleHandleA("system.dat") ? "click mapped=1" : "click mapped=0");
        if (m == WM_LBUTTONUP) Append(w, lp, "release");
        if (m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN) Append(w, lp, "other");
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
