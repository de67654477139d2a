#include "RegistryPreferences.h"

#include <windows.h>

#include <vector>

namespace quorvel {

namespace {

// An open registry key, closed when it goes out of scope.
class UserKey {
 public:
  explicit UserKey(bool forWriting) {
    const LONG result =
        forWriting ? RegCreateKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                     &key_, nullptr)
                   : RegOpenKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, KEY_QUERY_VALUE, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~UserKey() {
    if (key_) RegCloseKey(key_);
  }
  UserKey(const UserKey&) = delete;
  UserKey& operator=(const UserKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

constexpr DWORD LargestListBytes = 64 * 1024;  // far beyond what the list may hold

}  // namespace

bool RegistryPreferences::ReadDword(const char* name, uint32_t* value) {
  UserKey key(false);
  DWORD type = 0, data = 0, size = sizeof data;
  if (!key.get() || RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
                        ERROR_SUCCESS) {
    return false;
  }
  if (type != REG_DWORD || size != sizeof data) return false;
  *value = data;
  return true;
}

bool RegistryPreferences::WriteDword(const char* name, uint32_t value) {
  UserKey key(true);
  const DWORD data = value;
  return key.get() &&
         RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
             ERROR_SUCCESS;
}

bool RegistryPreferences::ReadMultiString(const char* name, std::string* bytes) {
  UserKey key(false);
  DWORD type = 0, size = 0;
  if (!key.get() || RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if ((type != REG_MULTI_SZ && type != REG_SZ) || size > LargestListBytes) return false;
  std::vector<char> data(size + 2, '\0');
  DWORD got = size;
  if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
      ERROR_SUCCESS) {
    return false;
  }
  bytes->assign(data.data(), got <= size ? got : size);
  return true;
}

bool RegistryPreferences::WriteMultiString(const char* name, const std::string& bytes) {
  UserKey key(true);
  return key.get() && RegSetValueExA(key.get(), name, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                                     static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace quorvel
