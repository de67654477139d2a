#include "DwellPreference.h"

#include <windows.h>

#include <cstdlib>

#include "common/win32/Owners.h"

namespace quorvel {

bool ReadDwellPreference() {
    OwnedKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD value = 0, type = 0, size = sizeof value;
    return RegQueryValueExA(key.Get(), AUTO_CLICK_DWELL_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                            &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value && value == 1;
}

void StoreDwellPreference(bool enabled) {
    OwnedKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    const DWORD value = enabled ? 1 : 0;
    RegSetValueExA(key.Get(), AUTO_CLICK_DWELL_VALUE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
}

bool StartedWithDwellSwitch() {
    for (int i = 1; i < __argc; ++i) {
        if (__argv[i] && lstrcmpiA(__argv[i], DWELL_SWITCH) == 0) return true;
    }
    return false;
}

}  // namespace quorvel
