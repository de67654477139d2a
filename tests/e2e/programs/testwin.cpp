// testwin.exe [OPTIONS]: a configurable target window for end-to-end tests.
// It appends every mouse-button, wheel, key, system-command and close message
// that it or its child receives to a log file, one line each:
//   <top|child> <MESSAGE> wParam=0x<hex> lParam=0x<hex> x=<signed low word> y=<signed high word>
// and "<top|child> PRIVATE 0x<number> wParam=.. lParam=.." for 0xC000..0xFFFF.
// and, once its windows exist, "ready top=<decimal handle> child=<decimal handle or 0>".
// Options:
//   --title TEXT       caption (default "testwin")
//   --class NAME       class name of the top-level window (default "QuorvelTestWin")
//   --rect X,Y,W,H     screen rectangle (default 100,100,400,300)
//   --style HEX        window style (default 0x00CF0000, WS_OVERLAPPEDWINDOW;
//                      e.g. 0x00C80000 has a caption but neither box)
//   --userdata HEX     GWL_USERDATA value (e.g. 0xAAAAAAAA, the control program's marker)
//   --maximized        show maximized
//   --child CLASS      a child window of that class, filling the client area
//                      (or --child-rect X,Y,W,H in client coordinates); it takes
//                      the keyboard focus whenever the top-level window gets it
//   --child-rect X,Y,W,H
//   --child-capture    the child holds the mouse capture, so that presses and releases
//                      anywhere over this program's windows go to the child
//   --log FILE         the log file (default: none)
//   --no-foreground    do not make the window the foreground window at start
//   --log-activate     also log WM_ACTIVATE of the top-level window
//   --hung-window TEXT  a second, topmost titled window on a thread of its own
//                      that stops answering messages once it is shown
// The window ends on WM_CLOSE (so a posted SC_CLOSE closes it) and logs "destroyed".
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* g_log = nullptr;
HWND g_top = nullptr;
HWND g_child = nullptr;
bool g_logActivate = false;

struct Name {
    UINT id;
    const char* text;
};
const Name kNames[] = {
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    {WM_RBUTTONUP, "WM_RBUTTONUP"},
    {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
    {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"},
    {WM_MBUTTONUP, "WM_MBUTTONUP"},
    {WM_MBUTTONDBLCLK, "WM_MBUTTONDBLCLK"},
    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
    {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
    {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
    {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"},
    {WM_NCRBUTTONDBLCLK, "WM_NCRBUTTONDBLCLK"},
    {WM_NCMBUTTONDOWN, "WM_NCMBUTTONDOWN"},
    {WM_NCMBUTTONUP, "WM_NCMBUTTONUP"},
    {WM_NCMBUTTONDBLCLK, "WM_NCMBUTTONDBLCLK"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    {WM_SYSKEYUP, "WM_SYSKEYUP"},
    {WM_CHAR, "WM_CHAR"},
    {WM_SYSCHAR, "WM_SYSCHAR"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_CLOSE, "WM_CLOSE"},
};

void Log(const char* format, ...) {
    if (!g_log) return;
    FILE* f = std::fopen(g_log, "a");
    if (!f) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fputc('\n', f);
    std::fclose(f);
}

void LogMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m >= 0xC000 && m <= 0xFFFF) {  // private and registered messages, by number
        return Log("%s PRIVATE 0x%x wParam=0x%lx lParam=0x%lx", w == g_child ? "child" : "top", m,
                   static_cast<unsigned long>(wp), static_cast<unsigned long>(static_cast<DWORD>(lp)));
    }
    for (const Name& n : kNames) {
        if (n.id != m) continue;
        DWORD l = static_cast<DWORD>(lp);
        Log("%s %s wParam=0x%lx lParam=0x%lx x=%d y=%d", w == g_child ? "child" : "top", n.text,
            static_cast<unsigned long>(wp), static_cast<unsigned long>(l), static_cast<short>(LOWORD(l)),
            static_cast<short>(HIWORD(l)));
        return;
    }
}

LRESULT CALLBACK ChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    LogMessage(w, m, wp, lp);
    if (m == WM_LBUTTONDOWN) SetFocus(w);
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK TopProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    LogMessage(w, m, wp, lp);
    if (m == WM_ACTIVATE && g_logActivate) Log("top WM_ACTIVATE wParam=0x%lx", static_cast<unsigned long>(wp));
    switch (m) {
        case WM_SETFOCUS:
            if (g_child) SetFocus(g_child);
            return 0;
        case WM_DESTROY:
            Log("destroyed");
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

bool ParseRect(const char* text, RECT* r) {
    int x, y, cx, cy;
    if (std::sscanf(text, "%d,%d,%d,%d", &x, &y, &cx, &cy) != 4) return false;
    *r = RECT{x, y, x + cx, y + cy};
    return true;
}

ATOM Register(const char* className, WNDPROC proc, HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    return RegisterClassA(&wc);
}

// A visible, titled, topmost window whose thread never handles another
// message: a sent message (WM_GETTEXT from GetWindowTextA, say) to it waits forever.
DWORD WINAPI HungWindowThread(void* title) {
    HWND w = CreateWindowExA(WS_EX_TOPMOST, "Static", static_cast<const char*>(title),
                             WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 120, 40, nullptr, nullptr, nullptr, nullptr);
    Log("hung window=%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(w)));
    Sleep(INFINITE);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string title = "testwin", className = "QuorvelTestWin", childClass;
    RECT rect{100, 100, 500, 400};
    RECT childRect{0, 0, 0, 0};
    bool childRectGiven = false, maximized = false, foreground = true, capture = false;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD userData = 0;
    std::string hungTitle;
    for (int i = 1; i < __argc; ++i) {
        std::string a = __argv[i];
        const char* next = i + 1 < __argc ? __argv[i + 1] : "";
        if (a == "--title")
            title = next, ++i;
        else if (a == "--class")
            className = next, ++i;
        else if (a == "--rect")
            ParseRect(next, &rect), ++i;
        else if (a == "--style")
            style = static_cast<DWORD>(std::strtoul(next, nullptr, 16)), ++i;
        else if (a == "--userdata")
            userData = static_cast<DWORD>(std::strtoul(next, nullptr, 16)), ++i;
        else if (a == "--maximized")
            maximized = true;
        else if (a == "--child")
            childClass = next, ++i;
        else if (a == "--child-rect")
            childRectGiven = ParseRect(next, &childRect), ++i;
        else if (a == "--log")
            g_log = next, ++i;
        else if (a == "--no-foreground")
            foreground = false;
        else if (a == "--child-capture")
            capture = true;
        else if (a == "--log-activate")
            g_logActivate = true;
        else if (a == "--hung-window")
            hungTitle = next, ++i;
    }

    if (!Register(className.c_str(), TopProc, instance)) return 1;
    g_top = CreateWindowExA(0, className.c_str(), title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    if (!g_top) return 1;
    if (userData) SetWindowLongPtrA(g_top, GWLP_USERDATA, static_cast<LONG_PTR>(static_cast<LONG>(userData)));
    if (!childClass.empty()) {
        if (!Register(childClass.c_str(), ChildProc, instance)) return 1;
        if (!childRectGiven) GetClientRect(g_top, &childRect);
        g_child = CreateWindowExA(0, childClass.c_str(), "", WS_CHILD | WS_VISIBLE, childRect.left, childRect.top,
                                  childRect.right - childRect.left, childRect.bottom - childRect.top, g_top, nullptr,
                                  instance, nullptr);
    }
    ShowWindow(g_top, maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(g_top);
    if (foreground) SetForegroundWindow(g_top);
    if (g_child) SetFocus(g_child);
    if (g_child && capture) SetCapture(g_child);
    if (!hungTitle.empty()) {
        HANDLE t = CreateThread(nullptr, 0, HungWindowThread, const_cast<char*>(hungTitle.c_str()), 0, nullptr);
        if (t) CloseHandle(t);
        Sleep(300);
    }
    Log("ready top=%lu child=%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(g_top)),
        static_cast<unsigned long>(reinterpret_cast<uintptr_t>(g_child)));

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
