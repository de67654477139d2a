// Paths of the files the control program finds beside its executable.
#pragma once

#include <string>

#include "common/FileNames.h"

namespace quorvel {

// The folder of the running executable with a trailing backslash, whatever
// the executable is called ("" when the path holds no backslash).
std::string ProgramDirectoryOf(const std::string& modulePath);

// The help file "Quorvel.chm" in the folder of the executable.
std::string HelpFilePathOf(const std::string& modulePath);

}  // namespace quorvel
