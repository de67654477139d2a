// probe.exe [--title TEXT | --class NAME | --hwnd DECIMAL] ...: prints the
// state of a top-level window, one line:
//   found=1 hwnd=<decimal> iconic=<0|1> zoomed=<0|1> visible=<0|1> foreground=<0|1> rect=<l>,<t>,<r>,<b> client=<x>,<y>
// where client is the screen position of the client area's top-left corner
// or "found=0" when there is no such window. With --foreground it prints the
// foreground window instead: "foreground=<decimal> title=<text>".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    HWND w = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* next = i + 1 < argc ? argv[i + 1] : "";
        if (!std::strcmp(argv[i], "--title"))
            w = FindWindowA(nullptr, next), ++i;
        else if (!std::strcmp(argv[i], "--class"))
            w = FindWindowA(next, nullptr), ++i;
        else if (!std::strcmp(argv[i], "--hwnd"))
            w = reinterpret_cast<HWND>(std::strtoull(next, nullptr, 10)), ++i;
        else if (!std::strcmp(argv[i], "--foreground")) {
            HWND f = GetForegroundWindow();
            char title[300] = "";
            if (f) GetWindowTextA(f, title, sizeof title);
            std::printf("foreground=%lu title=%s\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(f)), title);
            return 0;
        }
    }
    if (!w || !IsWindow(w)) {
        std::printf("found=0\n");
        return 1;
    }
    RECT r{};
    GetWindowRect(w, &r);
    POINT client{0, 0};
    ClientToScreen(w, &client);
    std::printf("found=1 hwnd=%lu iconic=%d zoomed=%d visible=%d foreground=%d rect=%ld,%ld,%ld,%ld client=%ld,%ld\n",
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(w)), IsIconic(w) ? 1 : 0, IsZoomed(w) ? 1 : 0,
                IsWindowVisible(w) ? 1 : 0, GetForegroundWindow() == w ? 1 : 0, r.left, r.top, r.right, r.bottom,
                client.x, client.y);
    return 0;
}
