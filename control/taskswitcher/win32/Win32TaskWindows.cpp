#include "Win32TaskWindows.h"

namespace quorvel {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<uint32_t>*>(list)->push_back(HandleValue(window));
    return TRUE;
}

}  // namespace

std::vector<uint32_t> Win32TaskWindows::TopLevelWindows() {
    std::vector<uint32_t> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

uint32_t Win32TaskWindows::Owner(uint32_t window) { return HandleValue(GetWindow(WindowOfHandle(window), GW_OWNER)); }

bool Win32TaskWindows::IsVisible(uint32_t window) { return IsWindowVisible(WindowOfHandle(window)) != FALSE; }

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

uint32_t Win32TaskWindows::SmallIcon(uint32_t window, uint32_t timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(WindowOfHandle(window), WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, timeoutMs, &result)) {
        return 0;
    }
    return static_cast<uint32_t>(result);
}

uint32_t Win32TaskWindows::ClassSmallIcon(uint32_t window) {
    return static_cast<uint32_t>(GetClassLongPtrA(WindowOfHandle(window), GCLP_HICONSM));
}

uint32_t Win32TaskWindows::ApplicationIcon() { return HandleValue(LoadIconA(nullptr, MAKEINTRESOURCEA(32512))); }

}  // namespace quorvel
