// Reads the control program's windows for the end-to-end tests.
//   control_probe form CAPTION   the top-level window with that caption and
//                                its child controls, positions in pixels
//   control_probe fg             caption of the foreground window
//   control_probe iconic CAPTION 1 if that window is minimized
//   control_probe close CAPTION  posts it the system menu's Close command
//   control_probe post CAPTION MESSAGE [WPARAM [LPARAM]]
//                                posts the message to that window (numbers
//                                hex or decimal; wParam and lParam 0 if left out)
//   control_probe track CAPTION WAIT_MS SAMPLE_MS
//                                follows the top edge and visibility of a window
// Lines: "screen W H", "dpi X Y", "full W H", "form ...", "ctl ...", "sysmenu ...".
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    std::string escaped;
    for (const char* c = text; *c; ++c) {
        if (*c == '\r')
            escaped += "\\r";
        else if (*c == '\n')
            escaped += "\\n";
        else
            escaped += *c;
    }
    return escaped;
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct Search {
    const char* caption;
    HWND visible;
    HWND hidden;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search->caption) != 0) return TRUE;
    if (IsWindowVisible(window)) {
        search->visible = window;
        return FALSE;
    }
    if (!search->hidden) search->hidden = window;
    return TRUE;
}

// A visible window with that caption if there is one, else a hidden one.
HWND FindTopLevel(const char* caption) {
    Search search{caption, nullptr, nullptr};
    EnumWindows(FindByCaption, reinterpret_cast<LPARAM>(&search));
    return search.visible ? search.visible : search.hidden;
}

void PrintScreen() {
    HDC screen = GetDC(nullptr);
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("dpi %d %d\n", GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    std::printf("full %d %d\n", GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN));
    ReleaseDC(nullptr, screen);
}

void PrintControls(HWND form) {
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    // Children in z-order, which is the tab order of the controls that take focus.
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const LRESULT check =
            ClassOf(child) == "Button" || ClassOf(child) == "BUTTON" ? SendMessageA(child, BM_GETCHECK, 0, 0) : 0;
        std::printf("ctl %s %ld %ld %ld %ld visible=%d enabled=%d tabstop=%d check=%d type=%ld sx=%ld sy=%ld|%s\n",
                    ClassOf(child).c_str(), rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                    rect.bottom - rect.top, IsWindowVisible(child) ? 1 : 0, IsWindowEnabled(child) ? 1 : 0,
                    (style & WS_TABSTOP) ? 1 : 0, static_cast<int>(check), style & 0x0F, (rect.left + rect.right) / 2,
                    (rect.top + rect.bottom) / 2, TextOf(child).c_str());
    }
}

void PrintSystemMenu(HWND form) {
    HMENU menu = GetSystemMenu(form, FALSE);
    const int count = GetMenuItemCount(menu);
    int hasClose = 0;
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(menu, i) == SC_CLOSE) hasClose = 1;
    }
    std::printf("sysmenu items=%d close=%d\n", count, hasClose);
}

int ProbeForm(const char* caption) {
    HWND form = FindTopLevel(caption);
    PrintScreen();
    if (!form) {
        std::printf("noform\n");
        return 1;
    }
    RECT rect{}, client{};
    GetWindowRect(form, &rect);
    GetClientRect(form, &client);
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    const LONG exStyle = GetWindowLongA(form, GWL_EXSTYLE);
    std::printf(
        "form class=%s x=%ld y=%ld w=%ld h=%ld cx=%ld cy=%ld cw=%ld ch=%ld visible=%d fg=%d topmost=%d "
        "userdata=0x%08lX enabled=%d\n",
        ClassOf(form).c_str(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, origin.x, origin.y,
        client.right, client.bottom, IsWindowVisible(form) ? 1 : 0, GetForegroundWindow() == form ? 1 : 0,
        (exStyle & WS_EX_TOPMOST) ? 1 : 0,
        static_cast<unsigned long>(static_cast<uint32_t>(GetWindowLongPtrA(form, GWLP_USERDATA))),
        IsWindowEnabled(form) ? 1 : 0);
    PrintControls(form);
    PrintSystemMenu(form);
    return 0;
}

// Waits up to waitMs for a visible window with that caption, then for
// sampleMs prints "t=<ms> y=<top> visible=<0/1> label=<0/1>" whenever one of
// them changes (label: the first static control).
int Track(const char* caption, DWORD waitMs, DWORD sampleMs) {
    const DWORD begin = GetTickCount();
    HWND form = nullptr;
    while (GetTickCount() - begin < waitMs) {
        form = FindTopLevel(caption);
        if (form && IsWindowVisible(form)) break;
        form = nullptr;
        Sleep(5);
    }
    if (!form) {
        std::printf("noform\n");
        return 1;
    }
    HWND label = FindWindowExA(form, nullptr, "Static", nullptr);
    const DWORD start = GetTickCount();
    long lastY = 1L << 30;
    int lastVisible = -1, lastLabel = -1;
    while (GetTickCount() - start < sampleMs) {
        RECT rect{};
        GetWindowRect(form, &rect);
        const int visible = IsWindowVisible(form) ? 1 : 0;
        const int labelVisible = label && IsWindowVisible(label) ? 1 : 0;
        if (rect.top != lastY || visible != lastVisible || labelVisible != lastLabel) {
            std::printf("t=%lu y=%ld visible=%d label=%d\n", GetTickCount() - start, rect.top, visible, labelVisible);
            std::fflush(stdout);
            lastY = rect.top;
            lastVisible = visible;
            lastLabel = labelVisible;
        }
        Sleep(1);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "form") == 0) return ProbeForm(argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "fg") == 0) {
        std::printf("%s\n", TextOf(GetForegroundWindow()).c_str());
        return 0;
    }
    if (argc >= 5 && std::strcmp(argv[1], "track") == 0) {
        return Track(argv[2], static_cast<DWORD>(std::atol(argv[3])), static_cast<DWORD>(std::atol(argv[4])));
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {  // as the system menu's Close would
        HWND window = FindTopLevel(argv[2]);
        if (window) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return window ? 0 : 1;
    }
    if (argc >= 4 && std::strcmp(argv[1], "post") == 0) {
        HWND window = FindTopLevel(argv[2]);
        const UINT message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
        const WPARAM wParam = argc >= 5 ? static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 0)) : 0;
        const LPARAM lParam = argc >= 6 ? static_cast<LPARAM>(std::strtoul(argv[5], nullptr, 0)) : 0;
        return window && PostMessageA(window, message, wParam, lParam) ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "iconic") == 0) {
        HWND window = FindTopLevel(argv[2]);
        std::printf("%d\n", window && IsIconic(window) ? 1 : 0);
        return window ? 0 : 1;
    }
    std::fprintf(stderr, "usage: control_probe form CAPTION | fg | iconic CAPTION\n");
    return 2;
}
