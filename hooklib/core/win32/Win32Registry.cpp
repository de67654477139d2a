// The registry role on Windows. Keys cross the interface as 32-bit values
// and are closed by whoever opened them (RegCloseKey); a key opened here is
// owned here until it is handed over.
#include "Win32Platform.h"

#include "common/win32/Owners.h"

namespace quorvel {
namespace {

HKEY ToHkey(RegKey k) { return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(k))); }
RegKey FromHkey(HKEY k) { return static_cast<RegKey>(reinterpret_cast<uintptr_t>(k)); }

// The 32-bit installer and Quorvel.exe keep the machine-wide key in the
// 32-bit registry view; the 64-bit library opens the same view, so both
// libraries share one setting word and one Smart Move memory.
REGSAM InSharedView(uint32_t access) { return sizeof(void*) == 8 ? (access | KEY_WOW64_32KEY) : access; }

// Hands an opened key over to the caller.
long HandOver(long rc, OwnedKey& key, RegKey* out) {
    if (rc == ERROR_SUCCESS) *out = FromHkey(key.Release());
    return rc;
}

}  // namespace

long Win32Registry::RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    OwnedKey key;
    return HandOver(::RegOpenKeyExA(ToHkey(root), subKey, 0, InSharedView(access), key.Out()), key, out);
}

long Win32Registry::RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    OwnedKey key;
    const long rc = ::RegCreateKeyExA(ToHkey(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, InSharedView(access),
                                      nullptr, key.Out(), nullptr);
    return HandOver(rc, key, out);
}

long Win32Registry::RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) {
    DWORD type = 0, size = dataSize;
    long rc = ::RegQueryValueExA(ToHkey(key), name, nullptr, &type, static_cast<BYTE*>(data), &size);
    info->type = type;
    info->size = size;
    return rc;
}

long Win32Registry::RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) {
    return ::RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

long Win32Registry::RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                                 uint32_t dataSize) {
    DWORD nameLength = nameSize, type = 0, size = dataSize;
    long rc = ::RegEnumValueA(ToHkey(key), index, name, &nameLength, nullptr, &type, static_cast<BYTE*>(data), &size);
    info->type = type;
    info->size = size;
    return rc;
}

long Win32Registry::RegCloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

}  // namespace quorvel
