// Looks at and drives the running control program's notification-area icon,
// and opens a borderless window that covers the screen:
//   everyday_probe tray                 what the notification area shows:
//                                       "tray=<window> known=<0|1>" (Quorvel's
//                                       icon window, tray=none without one;
//                                       known: the notification area accepts a
//                                       change of that icon), "area=<window|none>"
//                                       (explorer's taskbar "Shell_TrayWnd"), and
//                                       one line "icon x=<X> y=<Y> w=<W> h=<H>
//                                       tip=<text>" per icon in it: its centre
//                                       on the screen, its size (0 once removed)
//                                       and its tooltip, read from the tooltip
//                                       control explorer keeps for it
//   everyday_probe post MSG WPARAM LPARAM   posts to the icon's window (numbers
//                                       in C notation; MSG "TaskbarCreated" is
//                                       the registered message, sent to all)
//   everyday_probe menu                 "menu=1 x= y= w= h=" (its place on the
//                                       screen) while a popup menu is shown, else "menu=0"
//   everyday_probe forget               removes the icon from the notification area
//   everyday_probe fullscreen TITLE     a borderless window over the whole
//                                       primary screen, brought to the front
//   everyday_probe hotkey MODS VK       holds that global hotkey (numbers in C
//                                       notation) until ended: "held=<0|1>"
// The notification area exists where explorer runs a desktop with a taskbar
// (a Wine virtual desktop). Wine's explorer draws the icons on its taskbar
// window and gives each icon a tooltip control of its own, owned by that
// window, with one tool: the icon's place on the taskbar and its tip.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT TRAY_ICON_UID = 1;
// Tooltip control messages (commctrl.h).
constexpr UINT TooltipGetToolCount = WM_USER + 13;  // TTM_GETTOOLCOUNT
constexpr UINT TooltipGetTextW = WM_USER + 56;      // TTM_GETTEXTW
constexpr UINT TooltipEnumToolsW = WM_USER + 58;    // TTM_ENUMTOOLSW

HWND TrayWindow() { return FindWindowA("QuorvelTrayWindow", nullptr); }

NOTIFYICONDATAA IconOf(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = TRAY_ICON_UID;
    return data;
}

// A TTTOOLINFOW as the process that owns the tooltip control lays it out:
// explorer may be a 64-bit process while this probe is a 32-bit one.
struct ToolInfoLayout {
    unsigned size, hwnd, id, rect, text, pointer;
};
constexpr ToolInfoLayout ToolInfo32{48, 8, 12, 16, 36, 4};
constexpr ToolInfoLayout ToolInfo64{72, 8, 16, 24, 48, 8};

bool IsSixtyFourBit(HANDLE process) {
    BOOL selfWow = FALSE, otherWow = FALSE;
    IsWow64Process(GetCurrentProcess(), &selfWow);
    IsWow64Process(process, &otherWow);
    const bool systemIs64 = sizeof(void*) == 8 || selfWow;
    return systemIs64 && !otherWow;
}

// The tools of a tooltip control of another process, read through a block
// of memory in that process: "icon x= y= tip=" lines, the place of each tool
// mapped from the taskbar's client area to the screen.
void PrintTools(HWND tooltip, HWND taskbar) {
    const int count = static_cast<int>(SendMessageW(tooltip, TooltipGetToolCount, 0, 0));
    if (count <= 0) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(tooltip, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) {
        std::printf("error=cannot-open-explorer\n");
        return;
    }
    const ToolInfoLayout& layout = IsSixtyFourBit(process) ? ToolInfo64 : ToolInfo32;
    constexpr SIZE_T TextOffset = 1024, TextChars = 512;
    auto* remote = static_cast<unsigned char*>(
        VirtualAllocEx(process, nullptr, TextOffset + TextChars * sizeof(WCHAR), MEM_COMMIT, PAGE_READWRITE));
    if (!remote) {
        std::printf("error=cannot-reach-explorer\n");
        CloseHandle(process);
        return;
    }
    const unsigned long long textAddress = reinterpret_cast<uintptr_t>(remote + TextOffset);
    for (int i = 0; i < count; ++i) {
        unsigned char info[128] = {};
        std::memcpy(info, &layout.size, sizeof layout.size);
        WriteProcessMemory(process, remote, info, layout.size, nullptr);
        if (!SendMessageW(tooltip, TooltipEnumToolsW, i, reinterpret_cast<LPARAM>(remote))) continue;
        ReadProcessMemory(process, remote, info, layout.size, nullptr);
        RECT place{};
        std::memcpy(&place, info + layout.rect, sizeof place);
        // The same tool (window and id as enumerated) with a text buffer of ours.
        std::memcpy(info + layout.text, &textAddress, layout.pointer);
        const WCHAR none = 0;
        WriteProcessMemory(process, remote, info, layout.size, nullptr);
        WriteProcessMemory(process, remote + TextOffset, &none, sizeof none, nullptr);
        SendMessageW(tooltip, TooltipGetTextW, TextChars, reinterpret_cast<LPARAM>(remote));
        WCHAR text[TextChars] = {};
        ReadProcessMemory(process, remote + TextOffset, text, sizeof text - sizeof(WCHAR), nullptr);
        char tip[TextChars * 2] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, tip, sizeof tip, nullptr, nullptr);
        POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        ClientToScreen(taskbar, &centre);
        std::printf("icon x=%ld y=%ld w=%ld h=%ld tip=%s\n", centre.x, centre.y, place.right - place.left,
                    place.bottom - place.top, tip);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

struct TooltipSearch {
    HWND taskbar;
};

BOOL CALLBACK EachTooltip(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TooltipSearch*>(param);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "tooltips_class32") == 0 && GetWindow(window, GW_OWNER) == search->taskbar) {
        PrintTools(window, search->taskbar);
    }
    return TRUE;
}

int Tray() {
    HWND window = TrayWindow();
    if (window) {
        // Modifying nothing succeeds only for an icon the notification area holds.
        NOTIFYICONDATAA data = IconOf(window);
        const BOOL known = Shell_NotifyIconA(NIM_MODIFY, &data);
        std::printf("tray=%p known=%d\n", static_cast<void*>(window), known ? 1 : 0);
    } else {
        std::printf("tray=none known=0\n");
    }
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) {
        std::printf("area=none\n");
        return 0;
    }
    std::printf("area=%p\n", static_cast<void*>(taskbar));
    TooltipSearch search{taskbar};
    EnumWindows(EachTooltip, reinterpret_cast<LPARAM>(&search));
    return 0;
}

int Post(const char* message, const char* wParam, const char* lParam) {
    HWND window = TrayWindow();
    if (!window) return 1;
    const WPARAM w = std::strtoul(wParam, nullptr, 0);
    const LPARAM l = static_cast<LPARAM>(std::strtoul(lParam, nullptr, 0));
    if (std::strcmp(message, "TaskbarCreated") == 0) {
        return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), w, l) ? 0 : 1;
    }
    return PostMessageA(window, static_cast<UINT>(std::strtoul(message, nullptr, 0)), w, l) ? 0 : 1;
}

int Menu() {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) {
        std::printf("menu=0\n");
        return 0;
    }
    RECT place{};
    GetWindowRect(menu, &place);
    std::printf("menu=1 x=%ld y=%ld w=%ld h=%ld\n", place.left, place.top, place.right - place.left,
                place.bottom - place.top);
    return 0;
}

int Forget() {
    NOTIFYICONDATAA data = IconOf(TrayWindow());
    return Shell_NotifyIconA(NIM_DELETE, &data) ? 0 : 1;
}

LRESULT CALLBACK FullScreenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

int FullScreen(const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FullScreenProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "EverydayFullScreen";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    std::printf("window=%p\n", static_cast<void*>(window));
    std::fflush(stdout);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

int HoldHotkey(const char* modifiers, const char* key) {
    const BOOL held = RegisterHotKey(nullptr, 1, static_cast<UINT>(std::strtoul(modifiers, nullptr, 0)),
                                     static_cast<UINT>(std::strtoul(key, nullptr, 0)));
    std::printf("held=%d\n", held ? 1 : 0);
    std::fflush(stdout);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "tray") == 0) return Tray();
    if (argc >= 5 && std::strcmp(argv[1], "post") == 0) return Post(argv[2], argv[3], argv[4]);
    if (argc >= 2 && std::strcmp(argv[1], "forget") == 0) return Forget();
    if (argc >= 2 && std::strcmp(argv[1], "menu") == 0) return Menu();
    if (argc >= 3 && std::strcmp(argv[1], "fullscreen") == 0) return FullScreen(argv[2]);
    if (argc >= 4 && std::strcmp(argv[1], "hotkey") == 0) return HoldHotkey(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: everyday_probe tray | post MSG W L | menu | forget | fullscreen TITLE | hotkey MODS VK\n");
    return 2;
}
