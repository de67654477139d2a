#include "ModulePath.h"

#include <windows.h>

namespace quorvel {

namespace {
constexpr DWORD ModulePathLength = 1000;
}

std::string OwnModulePath() {
  char path[ModulePathLength] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, ModulePathLength);
  return std::string(path, length < ModulePathLength ? length : 0);
}

}  // namespace quorvel
