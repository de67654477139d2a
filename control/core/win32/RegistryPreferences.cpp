#include "RegistryPreferences.h"

#include <windows.h>

#include <vector>

#include "common/win32/Owners.h"

namespace quorvel {

namespace {

// The user's key, open for reading or (made when missing) for writing;
// empty when it cannot be opened.
OwnedKey OpenUserKey(bool forWriting) {
    OwnedKey key;
    const LONG result = forWriting ? RegCreateKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                                     key.Out(), nullptr)
                                   : RegOpenKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, KEY_QUERY_VALUE, key.Out());
    if (result != ERROR_SUCCESS) key.Release();
    return key;
}

constexpr DWORD LARGEST_LIST_BYTES = 64 * 1024;  // far beyond what the list may hold

}  // namespace

bool RegistryPreferences::ReadDword(const char* name, uint32_t* value) {
    const OwnedKey key = OpenUserKey(false);
    DWORD type = 0, data = 0, size = sizeof data;
    if (!key ||
        RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS) {
        return false;
    }
    if (type != REG_DWORD || size != sizeof data) return false;
    *value = data;
    return true;
}

bool RegistryPreferences::WriteDword(const char* name, uint32_t value) {
    const OwnedKey key = OpenUserKey(true);
    const DWORD data = value;
    return key && RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
                      ERROR_SUCCESS;
}

bool RegistryPreferences::ReadMultiString(const char* name, std::string* bytes) {
    const OwnedKey key = OpenUserKey(false);
    DWORD type = 0, size = 0;
    if (!key || RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if ((type != REG_MULTI_SZ && type != REG_SZ) || size > LARGEST_LIST_BYTES) return false;
    std::vector<char> data(size + 2, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
        ERROR_SUCCESS) {
        return false;
    }
    bytes->assign(data.data(), got <= size ? got : size);
    return true;
}

bool RegistryPreferences::WriteMultiString(const char* name, const std::string& bytes) {
    const OwnedKey key = OpenUserKey(true);
    return key && RegSetValueExA(key.Get(), name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace quorvel
