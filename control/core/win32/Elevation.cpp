#include "Elevation.h"

#include <shellapi.h>

#include <string>

#include "common/Messages.h"
#include "common/Registry.h"
#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"
#include "control/core/ExitRequest.h"

namespace quorvel {

bool RunningElevated() {
    OwnedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

// Bound by name: Windows 7 and later.
void AcceptMessagesFromNormalPrograms(HWND mainWindow) {
    if (!RunningElevated()) return;
    using FilterEx = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto allow = reinterpret_cast<FilterEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
    if (!allow) return;
    constexpr DWORD MESSAGE_FILTER_ALLOW = 1;  // MSGFLT_ALLOW
    for (UINT message : {INSTANCE_ACTIVATE_MESSAGE, DRAG_SCROLL_STEP_MESSAGE, DRAG_SCROLL_END_MESSAGE,
                         EXIT_REQUEST_MESSAGE, LAUNCH_REQUEST_MESSAGE}) {
        allow(mainWindow, message, MESSAGE_FILTER_ALLOW, nullptr);
    }
}

bool RestartWithAdministratorRights() {
    const std::wstring program = WideOf(Utf8ModulePath(nullptr));
    if (program.empty()) return false;
    const std::wstring parameters = L"/" + WideOf(TAKE_OVER_SWITCH);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

namespace {

bool HasRunEntry(HKEY root) {
    OwnedKey key;
    if (RegOpenKeyExW(root, WideOf(AUTO_START_KEY).c_str(), 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS) {
        key.Release();  // nothing was opened
        return false;
    }
    return RegQueryValueExW(key.Get(), WideOf(AUTO_START_VALUE).c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

}  // namespace

AutoStart ReadAutoStart() { return AutoStart{HasRunEntry(HKEY_CURRENT_USER), HasRunEntry(HKEY_LOCAL_MACHINE)}; }

// The user's entry starts this very Quorvel.exe, by its full path in quotes.
bool WriteAutoStart(bool on) {
    OwnedKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideOf(AUTO_START_KEY).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, key.Out(), nullptr) != ERROR_SUCCESS) {
        key.Release();  // nothing was opened
        return false;
    }
    const std::wstring name = WideOf(AUTO_START_VALUE);
    if (!on) {
        const LONG rc = RegDeleteValueW(key.Get(), name.c_str());
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring program = WideOf(Utf8ModulePath(nullptr));
    if (program.empty()) return false;
    const std::wstring command = L"\"" + program + L"\"";
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace quorvel
