#include "Win32TaskWindows.h"

#include <string>

namespace quorvel {

namespace {

// The answers reach a plain callback: it finds the one enumeration of the
// program through this.
Win32TaskWindows* TheTaskWindows = nullptr;
constexpr unsigned INDEX_BITS = 16;        // the window's place in the request
constexpr uint32_t REQUEST_MASK = 0x7FFF;  // request numbers fit beside it
constexpr size_t MOST_WINDOWS = size_t{1} << INDEX_BITS;
constexpr DWORD LOOK_AGAIN_MS = 10;  // whatever wakes the thread, it looks this often

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<uint32_t>*>(list)->push_back(HandleValue(window));
    return TRUE;
}

}  // namespace

Win32TaskWindows::~Win32TaskWindows() {
    if (TheTaskWindows == this) TheTaskWindows = nullptr;
}

std::vector<uint32_t> Win32TaskWindows::TopLevelWindows() {
    std::vector<uint32_t> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

uint32_t Win32TaskWindows::Owner(uint32_t window) { return HandleValue(GetWindow(WindowOfHandle(window), GW_OWNER)); }

bool Win32TaskWindows::IsVisible(uint32_t window) { return IsWindowVisible(WindowOfHandle(window)) != FALSE; }

// DwmGetWindowAttribute(DWMWA_CLOAKED), bound by name: Windows before Vista
// has no dwmapi.dll, and only Windows 8 and later know the attribute (they
// answer it with a failure before that).
bool Win32TaskWindows::IsCloaked(uint32_t window) {
    constexpr DWORD DWMWA_CLOAKED_ATTRIBUTE = 14;
    if (!dwmLooked_) {
        dwmLooked_ = true;
        // From the system folder only: never a file of that name elsewhere.
        char path[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryA(path, MAX_PATH);
        if (length > 0 && length < MAX_PATH - 12)
            dwm_.Reset(LoadLibraryA((std::string(path) + "\\dwmapi.dll").c_str()));
        if (dwm_) {
            getWindowAttribute_ = reinterpret_cast<GetWindowAttribute>(
                reinterpret_cast<void*>(GetProcAddress(dwm_.Get(), "DwmGetWindowAttribute")));
        }
    }
    if (!getWindowAttribute_) return false;
    DWORD cloaked = 0;
    return SUCCEEDED(getWindowAttribute_(WindowOfHandle(window), DWMWA_CLOAKED_ATTRIBUTE, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

bool Win32TaskWindows::IsDialogBox(uint32_t window) { return library_.IfDialogBoxWindow(window) != 0; }

int Win32TaskWindows::Text(uint32_t window, char* buffer, int size) {
    return GetWindowTextA(WindowOfHandle(window), buffer, size);
}

bool Win32TaskWindows::Rect(uint32_t window, TaskRect& rect) {
    RECT r{};
    if (!GetWindowRect(WindowOfHandle(window), &r)) return false;
    rect = TaskRect{r.left, r.top, r.right, r.bottom};
    return true;
}

// The requests go out at once (SendMessageCallback); their answers come
// back as this thread looks at its messages, which it does here until all
// have answered or the time is up. Messages sent to this thread meanwhile
// are handled; those posted to it wait in the queue.
std::vector<uint32_t> Win32TaskWindows::SmallIcons(const std::vector<uint32_t>& windows, uint32_t timeoutMs) {
    TheTaskWindows = this;
    request_ = (request_ + 1) & REQUEST_MASK;
    icons_.assign(windows.size(), 0);
    answered_ = 0;
    size_t asked = 0;
    for (size_t i = 0; i < windows.size() && i < MOST_WINDOWS; ++i) {
        const ULONG_PTR request = (static_cast<ULONG_PTR>(request_) << INDEX_BITS) | i;
        if (SendMessageCallbackA(WindowOfHandle(windows[i]), WM_GETICON, ICON_SMALL, 0, &IconAnswered, request)) {
            ++asked;
        }
    }
    const DWORD start = GetTickCount();
    while (answered_ < asked) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs) break;
        const DWORD left = timeoutMs - spent;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < LOOK_AGAIN_MS ? left : LOOK_AGAIN_MS, QS_SENDMESSAGE);
        MSG nothing;
        PeekMessageA(&nothing, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    std::vector<uint32_t> icons;
    icons.swap(icons_);
    return icons;
}

void CALLBACK Win32TaskWindows::IconAnswered(HWND, UINT, ULONG_PTR request, LRESULT icon) {
    Win32TaskWindows* self = TheTaskWindows;
    if (!self || (request >> INDEX_BITS) != self->request_) return;
    const size_t index = request & ((static_cast<ULONG_PTR>(1) << INDEX_BITS) - 1);
    if (index >= self->icons_.size()) return;
    self->icons_[index] = HandleValue(reinterpret_cast<HICON>(icon));
    ++self->answered_;
}

uint32_t Win32TaskWindows::ClassSmallIcon(uint32_t window) {
    return static_cast<uint32_t>(GetClassLongPtrA(WindowOfHandle(window), GCLP_HICONSM));
}

uint32_t Win32TaskWindows::ApplicationIcon() { return HandleValue(LoadIconA(nullptr, MAKEINTRESOURCEA(32512))); }

}  // namespace quorvel
