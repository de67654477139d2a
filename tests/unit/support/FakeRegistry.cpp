#include "FakeRegistry.h"

#include <cstring>
#include <iterator>

#include "FakeText.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {

std::string FakeRegistry::KeyPath(RegKey root, const char* subKey) const {
    std::string base;
    if (root == win::HKEY_CURRENT_USER) {
        base = USER_PREFIX;
    } else if (root != win::HKEY_LOCAL_MACHINE) {
        auto it = regHandles_.find(root);
        if (it == regHandles_.end()) return std::string();
        base = it->second + "\\";
    }
    return Lower(base + (subKey ? subKey : ""));
}

void FakeRegistry::CreateKey(const std::string& key) { registry[Lower(key)]; }
bool FakeRegistry::KeyExists(const std::string& key) const { return registry.count(Lower(key)) != 0; }

void FakeRegistry::SetDword(const std::string& key, const std::string& name, uint32_t value) {
    registry[Lower(key)][Lower(name)] = RegData{win::REG_DWORD, std::string(reinterpret_cast<char*>(&value), 4)};
}

bool FakeRegistry::GetDword(const std::string& key, const std::string& name, uint32_t* value) const {
    auto k = registry.find(Lower(key));
    if (k == registry.end()) return false;
    auto v = k->second.find(Lower(name));
    if (v == k->second.end() || v->second.bytes.size() < 4) return false;
    std::memcpy(value, v->second.bytes.data(), 4);
    return true;
}

namespace {
bool IsUserPath(const std::string& path) { return path.rfind(FakeRegistry::USER_PREFIX, 0) == 0; }
}  // namespace

long FakeRegistry::RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    std::string path = KeyPath(root, subKey);
    if (deniedKeys.count(path)) return win::ERROR_ACCESS_DENIED;
    if (registryReadOnly && !IsUserPath(path) && (access & ~win::KEY_READ) != 0) return win::ERROR_ACCESS_DENIED;
    if (path.empty() || !registry.count(path)) return win::ERROR_FILE_NOT_FOUND;
    *out = nextRegKey_++;
    regHandles_[*out] = path;
    return win::ERROR_SUCCESS;
}

long FakeRegistry::RegCreateKey(RegKey root, const char* subKey, uint32_t, RegKey* out) {
    std::string path = KeyPath(root, subKey);
    if (deniedKeys.count(path) || (registryReadOnly && !IsUserPath(path))) return win::ERROR_ACCESS_DENIED;
    if (path.empty()) return win::ERROR_FILE_NOT_FOUND;
    registry[path];
    *out = nextRegKey_++;
    regHandles_[*out] = path;
    return win::ERROR_SUCCESS;
}

long FakeRegistry::RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;  // ERROR_INVALID_HANDLE
    auto& values = registry[h->second];
    auto v = values.find(Lower(name ? name : ""));
    if (v == values.end()) return win::ERROR_FILE_NOT_FOUND;
    info->type = v->second.type;
    info->size = static_cast<uint32_t>(v->second.bytes.size());
    if (v->second.bytes.size() > dataSize) return win::ERROR_MORE_DATA;
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    return win::ERROR_SUCCESS;
}

long FakeRegistry::RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;
    if (registryReadOnly && !IsUserPath(h->second)) return win::ERROR_ACCESS_DENIED;
    registry[h->second][Lower(name ? name : "")] = RegData{type, std::string(static_cast<const char*>(data), size)};
    return win::ERROR_SUCCESS;
}

long FakeRegistry::RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                                uint32_t dataSize) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;
    auto& values = registry[h->second];
    if (index >= values.size()) return win::ERROR_NO_MORE_ITEMS;
    auto v = std::next(values.begin(), index);
    if (v->first.size() + 1 > nameSize || v->second.bytes.size() > dataSize) return win::ERROR_MORE_DATA;
    CopyOut(v->first, name, static_cast<int>(nameSize));
    info->type = v->second.type;
    info->size = static_cast<uint32_t>(v->second.bytes.size());
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    return win::ERROR_SUCCESS;
}

long FakeRegistry::RegCloseKey(RegKey key) { return regHandles_.erase(key) ? win::ERROR_SUCCESS : 6; }

}  // namespace quorvel::testing
