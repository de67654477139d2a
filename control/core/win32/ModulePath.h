// Full path of the running executable, in UTF-8 (common/win32/ModulePaths.h).
#pragma once

#include <string>

namespace quorvel {

std::string OwnModulePath();

}  // namespace quorvel
