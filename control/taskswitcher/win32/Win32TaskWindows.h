// The task enumeration's window queries on the real desktop.
#pragma once

#include <windows.h>

#include "common/win32/Owners.h"
#include "control/core/HookLibrary.h"
#include "control/taskswitcher/TaskListModule.h"

namespace quorvel {

// Window and icon handles are 32-bit values, sign-extended on x86_64.
inline HWND WindowOfHandle(uint32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(handle)));
}
template <typename Handle>
uint32_t HandleValue(Handle handle) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
}

class Win32TaskWindows : public TaskWindows {
public:
    explicit Win32TaskWindows(HookLibrary& library) : library_(library) {}
    ~Win32TaskWindows() override;
    Win32TaskWindows(const Win32TaskWindows&) = delete;
    Win32TaskWindows& operator=(const Win32TaskWindows&) = delete;

    std::vector<uint32_t> TopLevelWindows() override;
    uint32_t Owner(uint32_t window) override;
    bool IsVisible(uint32_t window) override;
    bool IsCloaked(uint32_t window) override;
    bool IsDialogBox(uint32_t window) override;
    int Text(uint32_t window, char* buffer, int size) override;
    bool Rect(uint32_t window, TaskRect& rect) override;
    std::vector<uint32_t> SmallIcons(const std::vector<uint32_t>& windows, uint32_t timeoutMs) override;
    uint32_t ClassSmallIcon(uint32_t window) override;
    uint32_t ApplicationIcon() override;

private:
    using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    static void CALLBACK IconAnswered(HWND window, UINT message, ULONG_PTR request, LRESULT icon);

    HookLibrary& library_;
    OwnedModule dwm_;  // dwmapi.dll, where there is one
    GetWindowAttribute getWindowAttribute_ = nullptr;
    bool dwmLooked_ = false;
    // The icons of the request being waited for; answers to an earlier
    // request (a hung program waking up) are told apart by its number.
    std::vector<uint32_t> icons_;
    size_t answered_ = 0;
    uint32_t request_ = 0;
};

}  // namespace quorvel
