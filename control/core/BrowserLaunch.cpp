#include "BrowserLaunch.h"

#include "common/BrowserPages.h"
#include "common/Text.h"
#include "ProgramPaths.h"

namespace quorvel {

namespace {

constexpr char BLANKS[] = " \t";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(BLANKS) - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = AsciiLower(c);
    return text;
}

// What each family opens a new window with; the others are started plain.
const char* NewWindowParameters(BrowserFamily family) {
    switch (family) {
        case BROWSER_CHROMIUM: return "--new-window";
        case BROWSER_FIREFOX: return "-new-window";
        default: return "";
    }
}

BrowserStart InternetExplorer(const std::string& appPath) {
    const std::string path = CommandProgram(appPath);
    if (!IsFullPath(path)) return {};
    return {path, ""};
}

}  // namespace

std::string CommandProgram(const std::string& command) {
    const std::string text = Trimmed(command);
    if (text.empty()) return "";
    if (text[0] == '"') {
        const size_t close = text.find('"', 1);
        return close == std::string::npos ? "" : text.substr(1, close - 1);
    }
    const std::string lower = Lower(text);
    for (size_t at = lower.find(".exe"); at != std::string::npos; at = lower.find(".exe", at + 1)) {
        const size_t end = at + 4;
        if (end == text.size() || text[end] == ' ' || text[end] == '\t') return text.substr(0, end);
    }
    return text.substr(0, text.find_first_of(BLANKS));
}

BrowserStart ResolveBrowserStart(const BrowserRegistration& registration) {
    const std::string program = CommandProgram(registration.httpCommand);
    const BrowserFamily family = ProgramFamily(FileNamePart(program.c_str()));
    if (program.empty() || family == BROWSER_INTERNET_EXPLORER || !IsFullPath(program)) {
        return InternetExplorer(registration.internetExplorer);
    }
    return {program, NewWindowParameters(family)};
}

}  // namespace quorvel
