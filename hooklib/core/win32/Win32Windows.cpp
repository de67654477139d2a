// The windows role on Windows.
#include "Win32Platform.h"

#include <cstring>

#include "hooklib/core/Constants.h"

namespace quorvel {
namespace {

struct EnumThunk {
    EnumWindowsFn fn;
    void* context;
};

BOOL CALLBACK EnumThunkProc(HWND w, LPARAM l) {
    auto* thunk = reinterpret_cast<EnumThunk*>(l);
    return thunk->fn(FromHwnd(w), thunk->context) ? TRUE : FALSE;
}

}  // namespace

bool Win32Windows::IsWindow(Hwnd w) { return w && ::IsWindow(ToHwnd(w)); }
Hwnd Win32Windows::GetParent(Hwnd w) { return FromHwnd(::GetParent(ToHwnd(w))); }
Hwnd Win32Windows::GetOwner(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_OWNER)); }
Hwnd Win32Windows::GetFirstChild(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_CHILD)); }
Hwnd Win32Windows::GetNextSibling(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_HWNDNEXT)); }
uint32_t Win32Windows::GetStyle(Hwnd w) { return static_cast<uint32_t>(::GetWindowLongA(ToHwnd(w), GWL_STYLE)); }
uint32_t Win32Windows::GetExStyle(Hwnd w) { return static_cast<uint32_t>(::GetWindowLongA(ToHwnd(w), GWL_EXSTYLE)); }

uint32_t Win32Windows::GetUserData(Hwnd w) {
    return static_cast<uint32_t>(::GetWindowLongPtrA(ToHwnd(w), GWLP_USERDATA));
}

int Win32Windows::GetClassName(Hwnd w, char* buffer, int size) {
    if (size <= 0) return 0;
    buffer[0] = '\0';
    int n = ::GetClassNameA(ToHwnd(w), buffer, size);
    buffer[size - 1] = '\0';
    return n < 0 ? 0 : n;
}

int Win32Windows::GetWindowText(Hwnd w, char* buffer, int size) {
    if (size <= 0) return 0;
    buffer[0] = '\0';
    // InternalGetWindowText reads the text the window manager keeps and
    // sends nothing: a hung window (even one of this process) cannot block
    // the hook the way WM_GETTEXT from GetWindowTextA would.
    wchar_t wide[MAX_WINDOW_TEXT_LEN + 1];
    int count = size < static_cast<int>(MAX_WINDOW_TEXT_LEN + 1) ? size : static_cast<int>(MAX_WINDOW_TEXT_LEN + 1);
    int got = ::InternalGetWindowText(ToHwnd(w), wide, count);
    if (got <= 0) return 0;
    wide[got < count ? got : count - 1] = L'\0';
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, size, nullptr, nullptr);
    buffer[size - 1] = '\0';
    return n > 0 ? static_cast<int>(std::strlen(buffer)) : 0;
}

bool Win32Windows::GetWindowRect(Hwnd w, Rect* rect) {
    RECT r;
    if (!::GetWindowRect(ToHwnd(w), &r)) return false;
    *rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32Windows::IsWindowVisible(Hwnd w) { return ::IsWindowVisible(ToHwnd(w)) != FALSE; }
bool Win32Windows::IsZoomed(Hwnd w) { return ::IsZoomed(ToHwnd(w)) != FALSE; }
Hwnd Win32Windows::FindWindow(const char* className, const char* title) {
    return FromHwnd(::FindWindowA(className, title));
}

void Win32Windows::EnumWindows(EnumWindowsFn fn, void* context) {
    EnumThunk thunk{fn, context};
    ::EnumWindows(EnumThunkProc, reinterpret_cast<LPARAM>(&thunk));
}

Hwnd Win32Windows::WindowFromPoint(Point p) { return FromHwnd(::WindowFromPoint(POINT{p.x, p.y})); }

bool Win32Windows::ScreenToClient(Hwnd w, Point* p) {
    POINT q{p->x, p->y};
    if (!::ScreenToClient(ToHwnd(w), &q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

bool Win32Windows::ClientToScreen(Hwnd w, Point* p) {
    POINT q{p->x, p->y};
    if (!::ClientToScreen(ToHwnd(w), &q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

uint32_t Win32Windows::GetWindowThreadId(Hwnd w) { return ::GetWindowThreadProcessId(ToHwnd(w), nullptr); }
Hwnd Win32Windows::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

bool Win32Windows::MoveWindow(Hwnd w, int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(ToHwnd(w), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

void Win32Windows::AllowSetForegroundFor(Hwnd w) {
    DWORD process = 0;
    if (::GetWindowThreadProcessId(ToHwnd(w), &process) && process) ::AllowSetForegroundWindow(process);
}

}  // namespace quorvel
