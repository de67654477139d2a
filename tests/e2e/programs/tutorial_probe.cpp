// tutorial_probe: reads the tutorial window from outside, for the end-to-end
// tests. Controls are named by their child window identifier.
//   tutorial_probe list                     dpi, then one line per control
//   tutorial_probe text ID                  the control's text (\r written as \r)
//   tutorial_probe wait-visible ID 0|1 MS   waits for the visibility; exit 1 on timeout
//   tutorial_probe wait-ready MS            waits for the end of the opening animation
//   tutorial_probe watch ID MS [STOP_ID]    prints every change of place or visibility,
//                                           until MS have passed or STOP_ID is shown
//   tutorial_probe close                    asks the window to close (WM_CLOSE)
//   tutorial_probe click-during-opening     clicks the first operation while the
//                                           column is still growing
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kCaption = "Quorvel Shortcuts Tutorial";
constexpr int kFirstOperationId = 2000;
constexpr int OPERATION_COUNT = 11;

struct Found {
    int id;
    HWND hwnd;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
    auto* f = reinterpret_cast<Found*>(param);
    if (GetDlgCtrlID(hwnd) == f->id) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND Form() { return FindWindowA(nullptr, kCaption); }

HWND Child(HWND form, int id) {
    Found f = {id, nullptr};
    if (form) EnumChildWindows(form, FindChild, reinterpret_cast<LPARAM>(&f));
    return f.hwnd;
}

std::string Text(HWND hwnd) {
    char buffer[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        &length);
    std::string out;
    for (const char* p = buffer; *p; ++p) {
        if (*p == '\r')
            out += "\\r";
        else if (*p == '\n')
            out += "\\n";
        else if (*p == '\\')
            out += "\\\\";
        else
            out += *p;
    }
    return out;
}

// Place inside the parent's client area, and on the screen.
void Place(HWND hwnd, RECT* inParent, RECT* onScreen) {
    GetWindowRect(hwnd, onScreen);
    *inParent = *onScreen;
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(inParent), 2);
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
    RECT r, s;
    Place(hwnd, &r, &s);
    std::printf("id=%d vis=%d en=%d x=%ld y=%ld w=%ld h=%ld sx=%ld sy=%ld text=%s\n", GetDlgCtrlID(hwnd),
                IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0, r.left, r.top, r.right - r.left,
                r.bottom - r.top, s.left, s.top, Text(hwnd).c_str());
    return TRUE;
}

HWND WaitForm(DWORD ms) {
    const DWORD start = GetTickCount();
    HWND form;
    while (!(form = Form()) && GetTickCount() - start < ms) Sleep(20);
    return form;
}

int List() {
    HWND form = WaitForm(5000);
    if (!form) return 2;
    HDC screen = GetDC(nullptr);
    std::printf("dpi=%d %d\n", GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    EnumChildWindows(form, PrintChild, 0);
    return 0;
}

int WaitVisible(int id, bool visible, DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        HWND c = Child(Form(), id);
        if (c && (IsWindowVisible(c) != FALSE) == visible) return 0;
        Sleep(10);
    } while (GetTickCount() - start < ms);
    return 1;
}

int Watch(int id, DWORD ms, int stopId) {
    HWND form = WaitForm(5000);
    HWND c = Child(form, id);
    HWND stop = stopId ? Child(form, stopId) : nullptr;
    if (!c) return 2;
    const DWORD start = GetTickCount();
    RECT last = {-1, -1, -1, -1};
    int lastVisible = -1;
    while (GetTickCount() - start < ms && IsWindow(c) && !(stop && IsWindowVisible(stop))) {
        RECT r, s;
        Place(c, &r, &s);
        const int visible = IsWindowVisible(c) ? 1 : 0;
        if (visible != lastVisible || r.left != last.left || r.top != last.top) {
            std::printf("t=%lu vis=%d x=%ld y=%ld\n", GetTickCount() - start, visible, r.left, r.top);
            std::fflush(stdout);
            last = r;
            lastVisible = visible;
        }
        Sleep(1);
    }
    return 0;
}

// The opening animation has ended when the last operation label has grown
// to the height of the first one.
int WaitReady(DWORD ms) {
    HWND form = WaitForm(ms);
    HWND first = Child(form, kFirstOperationId);
    HWND last = Child(form, kFirstOperationId + OPERATION_COUNT - 1);
    if (!first || !last) return 2;
    const DWORD start = GetTickCount();
    for (;;) {
        RECT a, b;
        GetWindowRect(first, &a);
        GetWindowRect(last, &b);
        if (IsWindowVisible(last) && b.bottom - b.top == a.bottom - a.top) break;
        if (GetTickCount() - start > ms) return 1;
        Sleep(5);
    }
    Sleep(200);
    return 0;
}

int VisibleOperations(HWND form) {
    int n = 0;
    for (int i = 0; i < OPERATION_COUNT; ++i) {
        HWND c = Child(form, kFirstOperationId + i);
        if (c && IsWindowVisible(c)) ++n;
    }
    return n;
}

void ClickAt(int x, int y) {
    SetCursorPos(x, y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

int ClickDuringOpening() {
    HWND form = WaitForm(30000);
    if (!form) return 2;
    HWND first = Child(form, kFirstOperationId);
    HWND second = Child(form, kFirstOperationId + 1);
    const DWORD start = GetTickCount();
    while (!IsWindowVisible(second)) {  // the first label has grown to full height
        if (GetTickCount() - start > 30000) return 2;
        Sleep(1);
    }
    RECT r;
    GetWindowRect(first, &r);
    ClickAt(r.left + 4, (r.top + r.bottom) / 2);
    Sleep(30);
    std::printf("visible-after-click=%d\n", VisibleOperations(form));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    if (cmd == "list") return List();
    if (cmd == "text" && argc >= 3) {
        HWND c = Child(WaitForm(5000), std::atoi(argv[2]));
        if (!c) return 2;
        std::printf("%s\n", Text(c).c_str());
        return 0;
    }
    if (cmd == "wait-visible" && argc >= 5)
        return WaitVisible(std::atoi(argv[2]), std::atoi(argv[3]) != 0, static_cast<DWORD>(std::atol(argv[4])));
    if (cmd == "wait-ready" && argc >= 3) return WaitReady(static_cast<DWORD>(std::atol(argv[2])));
    if (cmd == "watch" && argc >= 4)
        return Watch(std::atoi(argv[2]), static_cast<DWORD>(std::atol(argv[3])), argc >= 5 ? std::atoi(argv[4]) : 0);
    if (cmd == "close") {
        HWND form = Form();
        return form && PostMessageA(form, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (cmd == "click-during-opening") return ClickDuringOpening();
    return 2;
}
