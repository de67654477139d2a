// Full path of the running executable.
#pragma once

#include <string>

namespace quorvel {

std::string OwnModulePath();

}  // namespace quorvel
