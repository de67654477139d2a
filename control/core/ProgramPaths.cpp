#include "ProgramPaths.h"

namespace quorvel {

std::string ProgramDirectoryOf(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('\\');
    if (slash == std::string::npos) return "";
    return modulePath.substr(0, slash + 1);
}

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

bool IsFullPath(const std::string& path) {
    std::string rest = path;
    if (rest.rfind("\\\\?\\UNC\\", 0) == 0) {
        rest = "\\\\" + rest.substr(8);
    } else if (rest.rfind("\\\\?\\", 0) == 0) {
        rest = rest.substr(4);
    }
    // Quotes, pipes and wildcards make no file name (a command line pasted
    // into a registry value, for instance).
    if (rest.find_first_of("\"<>|*?") != std::string::npos) return false;
    if (rest.size() >= 3 && IsLetter(rest[0]) && rest[1] == ':' && (rest[2] == '\\' || rest[2] == '/')) return true;
    // "\\server\share\..." with a server and a share name.
    if (rest.size() < 5 || rest[0] != '\\' || rest[1] != '\\') return false;
    const size_t shareAt = rest.find('\\', 2);
    if (shareAt == std::string::npos || shareAt == 2) return false;
    const size_t shareEnd = rest.find('\\', shareAt + 1);
    return shareEnd != std::string::npos && shareEnd > shareAt + 1;
}

std::string HelpFilePathOf(const std::string& modulePath) {
    const auto slash = modulePath.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : modulePath.substr(0, slash);
    return folder + "\\" + HELP_FILE_NAME;
}

}  // namespace quorvel
