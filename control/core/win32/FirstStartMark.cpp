#include "FirstStartMark.h"

#include <windows.h>

namespace quorvel {

bool TakeFirstStartMark() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProgramRegistryKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD value = 0, type = 0, size = sizeof value;
  const bool first = RegQueryValueExA(key, FirstStartValue, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                      &size) == ERROR_SUCCESS &&
                     type == REG_DWORD && value == 1;
  if (first) {
    const DWORD cleared = 0;
    RegSetValueExA(key, FirstStartValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&cleared), sizeof cleared);
  }
  RegCloseKey(key);
  return first;
}

}  // namespace quorvel
