#include "ModulePath.h"

#include <windows.h>

#include "common/AnsiPath.h"

namespace quorvel {

namespace {
constexpr DWORD MODULE_PATH_LENGTH = 1000;
}

// A folder outside the ANSI code page is named by its short (8.3) form; a
// path that cannot be named in ANSI gives "" (and no library is loaded from
// the current directory in its place).
std::string OwnModulePath() {
    char path[MODULE_PATH_LENGTH] = {};
    const DWORD length = AnsiModulePath(nullptr, path, MODULE_PATH_LENGTH);
    return std::string(path, length < MODULE_PATH_LENGTH ? length : 0);
}

}  // namespace quorvel
