// The fake desktop's registry: keys by full path below HKLM, e.g.
// "SOFTWARE\\Harnwick\\Quorvel", and below HKCU with the prefix "hkcu\\"
// (USER_PREFIX); key paths and value names compared ignoring case.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "hooklib/core/Platform.h"

namespace quorvel::testing {

class FakeRegistry : public Registry {
public:
    struct RegData {
        uint32_t type;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, RegData>> registry;  // by lower-case path and name
    std::set<std::string> deniedKeys;                                // opening these fails with ERROR_ACCESS_DENIED
    // A standard account: every key may be read, the machine-wide ones (below
    // HKLM) neither written nor created; the user's own keys stay writable.
    bool registryReadOnly = false;
    static constexpr const char* USER_PREFIX = "hkcu\\";
    void SetDword(const std::string& key, const std::string& name, uint32_t value);
    bool GetDword(const std::string& key, const std::string& name, uint32_t* value) const;
    void CreateKey(const std::string& key);
    bool KeyExists(const std::string& key) const;
    int openRegKeys() const { return static_cast<int>(regHandles_.size()); }

    long RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) override;
    long RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) override;
    long RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                      uint32_t dataSize) override;
    long RegCloseKey(RegKey key) override;

private:
    std::string KeyPath(RegKey root, const char* subKey) const;

    std::map<RegKey, std::string> regHandles_;
    RegKey nextRegKey_ = 0x100;
};

}  // namespace quorvel::testing
