#include "Setting.h"

#include "WinConstants.h"

namespace quorvel {

// Each direction asks only for the access it needs: an account that may not
// write the machine-wide key still reads the word.
bool LoadSettingValue(Registry& registry, uint32_t* word) {
    RegKey key = 0;
    if (registry.RegOpenKey(win::HKEY_LOCAL_MACHINE, MACHINE_KEY, win::KEY_QUERY_VALUE, &key) != win::ERROR_SUCCESS) {
        return false;
    }
    uint32_t value = 0;
    RegValue info;
    long rc = registry.RegQueryValue(key, SETTING_VALUE, &info, &value, sizeof value);
    registry.RegCloseKey(key);
    // A value shorter than four bytes is no word: treat it as unreadable
    // rather than reading the rest of the buffer.
    if (rc != win::ERROR_SUCCESS || info.size < sizeof value) return false;
    *word = value;
    return true;
}

bool StoreSettingValue(Registry& registry, uint32_t word) {
    RegKey key = 0;
    if (registry.RegOpenKey(win::HKEY_LOCAL_MACHINE, MACHINE_KEY, win::KEY_SET_VALUE, &key) != win::ERROR_SUCCESS) {
        return false;
    }
    long rc = registry.RegSetValue(key, SETTING_VALUE, win::REG_DWORD, &word, sizeof word);
    registry.RegCloseKey(key);
    return rc == win::ERROR_SUCCESS;
}

uint32_t GetSetting(Context& ctx) { return ctx.shared.Setting; }

int SaveSetting(Context& ctx, uint32_t word) {
    ctx.shared.Setting = word;
    return StoreSettingValue(ctx.registry, word) ? 1 : 0;
}

}  // namespace quorvel
