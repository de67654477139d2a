// Paths of the files the control program finds beside its executable.
#pragma once

#include <string>

#include "common/FileNames.h"

namespace quorvel {

// The folder of the running executable with a trailing backslash, whatever
// the executable is called ("" when the path holds no backslash).
std::string ProgramDirectoryOf(const std::string& modulePath);

// A full path that names one file wherever the program runs: with a drive
// letter ("C:\Quorvel\system.dat") or on a network share
// ("\\server\share\Quorvel\system.dat", also in the "\\?\" forms). A
// relative path, or one from the root of the current drive, is not.
bool IsFullPath(const std::string& path);

// The help file "Quorvel.chm" in the folder of the executable.
std::string HelpFilePathOf(const std::string& modulePath);

}  // namespace quorvel
