#include "Setting.h"

#include "WinConstants.h"

namespace quorvel {
namespace {

// The word under one root; false when the key or a whole word is missing.
bool ReadWord(Registry& registry, RegKey root, const char* path, uint32_t* word) {
    RegKey key = 0;
    if (registry.RegOpenKey(root, path, win::KEY_QUERY_VALUE, &key) != win::ERROR_SUCCESS) return false;
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

}  // namespace

// The user's own word first, else the machine-wide default the installer
// wrote. Each asks only for reading, so a standard account reads both.
bool LoadSettingValue(Registry& registry, uint32_t* word) {
    return ReadWord(registry, win::HKEY_CURRENT_USER, USER_KEY, word) ||
           ReadWord(registry, win::HKEY_LOCAL_MACHINE, MACHINE_KEY, word);
}

// Always per user (the key is made when missing): the machine-wide value is
// the installer's and stays as it is.
bool StoreSettingValue(Registry& registry, uint32_t word) {
    RegKey key = 0;
    if (registry.RegCreateKey(win::HKEY_CURRENT_USER, USER_KEY, win::KEY_SET_VALUE, &key) != win::ERROR_SUCCESS) {
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
