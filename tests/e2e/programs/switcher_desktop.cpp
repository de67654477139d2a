// switcher_desktop.exe windows: the task switcher test's desktop, all on one
// thread: a stand-in taskbar (class "Shell_TrayWnd", untitled, topmost,
// along the bottom edge, its last 150 pixels a notification area of class
// "TrayNotifyWnd"), "TS Maximized", "TS Minimized", "TS Plain", an
// untitled window, "TS Owner" and a tool window "TS Tool" owned by it, in
// that order from back to front, each with its own small icon. Prints
// "ready" when all are shown. A click raises the window it lands on.
//
// switcher_desktop.exe probe: the open switcher and the test windows:
//   switcher visible=0|1 x= y= w= h= fullw= fullh=
//   list cw= ch= column= row0=l,t,r,b style=    (client size, column width, row 0)
//   row <index> selected=0|1 sx= sy= text=<title>     (centre on the screen)
//   window <title> zoomed= iconic= w= h= fg=0|1
//   front <title>     (front-most visible titled window, topmost ones aside)
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A click raises the window, as a window manager would (Wine here has none).
LRESULT CALLBACK WindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_LBUTTONDOWN) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

HWND Make(const char* cls, const char* title, DWORD style, DWORD exStyle, RECT r, HWND owner, LPCSTR icon) {
    HWND w = CreateWindowExA(exStyle, cls, title, style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (icon) SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, icon)));
    return w;
}

int Windows() {
    WNDCLASSA c{};
    c.lpfnWndProc = WindowProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = "SwitcherTestWindow";
    RegisterClassA(&c);
    c.lpszClassName = "Shell_TrayWnd";
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&c);
    c.lpszClassName = "TrayNotifyWnd";
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1);
    RegisterClassA(&c);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const DWORD app = WS_OVERLAPPEDWINDOW;
    HWND maximized = Make("SwitcherTestWindow", "TS Maximized", app, 0, {100, 100, 500, 400}, nullptr,
                          MAKEINTRESOURCEA(32516));  // information
    ShowWindow(maximized, SW_SHOWMAXIMIZED);
    HWND minimized = Make("SwitcherTestWindow", "TS Minimized", app, 0, {150, 150, 450, 350}, nullptr,
                          MAKEINTRESOURCEA(32515));  // warning
    ShowWindow(minimized, SW_SHOWMINIMIZED);
    HWND plain = Make("SwitcherTestWindow", "TS Plain", app, 0, {50, 50, 450, 350}, nullptr,
                      MAKEINTRESOURCEA(32513));  // error
    ShowWindow(plain, SW_SHOWNORMAL);
    ShowWindow(Make("SwitcherTestWindow", "", app, 0, {50, 400, 450, 600}, nullptr, nullptr), SW_SHOWNORMAL);
    HWND owner = Make("SwitcherTestWindow", "TS Owner", app, 0, {500, 50, 900, 350}, nullptr,
                      MAKEINTRESOURCEA(32514));  // question
    ShowWindow(owner, SW_SHOWNORMAL);
    ShowWindow(Make("SwitcherTestWindow", "TS Tool", WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {600, 100, 800, 250},
                    owner, nullptr),
               SW_SHOWNORMAL);
    HWND taskbar =
        Make("Shell_TrayWnd", "", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, {0, cy - 30, cx, cy}, nullptr, nullptr);
    CreateWindowExA(0, "TrayNotifyWnd", "", WS_CHILD | WS_VISIBLE, cx - 150, 0, 150, 30, taskbar, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
    ShowWindow(taskbar, SW_SHOWNOACTIVATE);
    std::printf("ready\n");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

// Reads list view data in the switcher's process through memory there.
class Remote {
public:
    explicit Remote(HWND list) {
        DWORD pid = 0;
        GetWindowThreadProcessId(list, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    }
    ~Remote() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Ok() const { return memory_ != nullptr; }
    std::string Text(HWND list, int item) {
        LVITEMA it{};
        it.iSubItem = 0;
        it.cchTextMax = 256;
        it.pszText = static_cast<char*>(memory_) + 1024;
        char text[257] = {};
        WriteProcessMemory(process_, memory_, &it, sizeof it, nullptr);
        SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(memory_));
        ReadProcessMemory(process_, static_cast<char*>(memory_) + 1024, text, 256, nullptr);
        return text;
    }
    RECT Bounds(HWND list, int item) {
        RECT r{LVIR_BOUNDS, 0, 0, 0};
        WriteProcessMemory(process_, memory_, &r, sizeof r, nullptr);
        SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(memory_));
        ReadProcessMemory(process_, memory_, &r, sizeof r, nullptr);
        return r;
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

BOOL CALLBACK FrontMost(HWND w, LPARAM out) {
    char title[128] = {};
    if (!IsWindowVisible(w) || (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) || !GetWindowTextA(w, title, 128)) {
        return TRUE;
    }
    std::strcpy(reinterpret_cast<char*>(out), title);
    return FALSE;
}

void Window(const char* title) {
    HWND w = FindWindowA("SwitcherTestWindow", title);
    RECT r{};
    GetWindowRect(w, &r);
    std::printf("window %s zoomed=%d iconic=%d w=%ld h=%ld fg=%d\n", title, IsZoomed(w) ? 1 : 0, IsIconic(w) ? 1 : 0,
                r.right - r.left, r.bottom - r.top, GetForegroundWindow() == w ? 1 : 0);
}

int Probe() {
    HWND form = FindWindowA("ThunderRT6FormDC", "Easy task switcher");
    HWND list = FindWindowExA(form, nullptr, "SysListView32", nullptr);
    RECT r{};
    GetWindowRect(form, &r);
    std::printf("switcher visible=%d x=%ld y=%ld w=%ld h=%ld fullw=%d fullh=%d\n", IsWindowVisible(form) ? 1 : 0,
                r.left, r.top, r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CXFULLSCREEN),
                GetSystemMetrics(SM_CYFULLSCREEN));
    Remote remote(list);
    const int rows = list && remote.Ok() ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    const int selected = rows ? static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)) : -1;
    RECT client{};
    GetClientRect(list, &client);
    const RECT first = rows ? remote.Bounds(list, 0) : RECT{};
    std::printf("list cw=%ld ch=%ld column=%d row0=%ld,%ld,%ld,%ld style=%lx\n", client.right, client.bottom,
                static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0)), first.left, first.top, first.right,
                first.bottom, GetWindowLongA(list, GWL_STYLE));
    for (int i = 0; i < rows; ++i) {
        RECT b = remote.Bounds(list, i);
        POINT centre{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
        ClientToScreen(list, &centre);
        std::printf("row %d selected=%d sx=%ld sy=%ld text=%s\n", i, i == selected ? 1 : 0, centre.x, centre.y,
                    remote.Text(list, i).c_str());
    }
    for (const char* title : {"TS Maximized", "TS Minimized", "TS Plain", "TS Owner"}) Window(title);
    char front[128] = {};
    EnumWindows(&FrontMost, reinterpret_cast<LPARAM>(front));
    std::printf("front %s\n", front);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "windows") == 0) return Windows();
    if (argc >= 2 && std::strcmp(argv[1], "probe") == 0) return Probe();
    std::fprintf(stderr, "usage: switcher_desktop windows|probe\n");
    return 2;
}
