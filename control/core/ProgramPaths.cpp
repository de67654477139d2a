#include "ProgramPaths.h"

namespace quorvel {

std::string ProgramDirectoryOf(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('\\');
    if (slash == std::string::npos) return "";
    return modulePath.substr(0, slash + 1);
}

std::string HelpFilePathOf(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : modulePath.substr(0, slash);
    return folder + "\\" + HELP_FILE_NAME;
}

}  // namespace quorvel
