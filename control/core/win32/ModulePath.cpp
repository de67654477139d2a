#include "ModulePath.h"

#include "common/win32/ModulePaths.h"

namespace quorvel {

// UTF-8, whatever the code page: every path made from it reaches Windows
// through its wide-character calls (WideOf). "" when the path cannot be
// read whole (and no library is then loaded from the current directory).
std::string OwnModulePath() { return Utf8ModulePath(nullptr); }

}  // namespace quorvel
