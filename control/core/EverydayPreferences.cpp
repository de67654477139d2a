#include "EverydayPreferences.h"

#include "common/BrowserPages.h"
#include "common/Text.h"

namespace quorvel {

namespace {

size_t PackedSize(const std::vector<std::string>& list) {
    size_t size = 1;
    for (const std::string& name : list) size += name.size() + 1;
    return size;
}

}  // namespace

EverydayPreferences LoadPreferences(PreferenceStore& store) {
    EverydayPreferences p;
    uint32_t value = 0;
    if (store.ReadDword(TRAY_ICON_VALUE, &value)) p.trayIcon = value != 0;
    if (store.ReadDword(FULL_SCREEN_PAUSE_VALUE, &value)) p.fullScreenPause = value != 0;
    std::string bytes;
    if (store.ReadMultiString(EXCLUDED_PROGRAMS_VALUE, &bytes)) p.excludedPrograms = UnpackProgramList(bytes);
    // A list the user emptied stays empty; only a missing one is the default.
    if (store.ReadMultiString(BROWSER_PROGRAMS_VALUE, &bytes)) p.browserPrograms = UnpackProgramList(bytes);
    return p;
}

std::vector<std::string> EverydayPreferences::DefaultBrowserPrograms() {
    return UnpackProgramList(std::string(DEFAULT_BROWSER_PROGRAMS, DEFAULT_BROWSER_PROGRAMS_SIZE));
}

std::string ExclusionName(const std::string& typedOrPath) {
    const char* blanks = " \t\r\n\"";
    const size_t first = typedOrPath.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    const size_t last = typedOrPath.find_last_not_of(blanks);
    std::string name = typedOrPath.substr(first, last - first + 1);
    const size_t folder = name.find_last_of("\\/:");
    if (folder != std::string::npos) name.erase(0, folder + 1);
    if (name.empty() || name.find_first_of("<>|?*\"") != std::string::npos) return "";
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return "";
    }
    if (name.find('.') == std::string::npos) name += ".exe";
    return name;
}

AddResult AddProgram(std::vector<std::string>& list, const std::string& typedOrPath) {
    const std::string name = ExclusionName(typedOrPath);
    if (name.empty()) return AddResult::NotAName;
    for (const std::string& there : list) {
        if (SameTextIgnoringCase(there.data(), there.size(), name.data(), name.size())) return AddResult::AlreadyThere;
    }
    if (PackedSize(list) + name.size() + 1 > PROGRAM_LIST_ROOM) return AddResult::ListFull;
    list.push_back(name);
    return AddResult::Added;
}

std::string PackedProgramList(const std::vector<std::string>& list) {
    std::string packed;
    for (const std::string& name : list) {
        packed += name;
        packed.push_back('\0');
    }
    packed.push_back('\0');
    return packed;
}

std::vector<std::string> UnpackProgramList(const std::string& bytes) {
    std::vector<std::string> list;
    size_t at = 0;
    ProgramName name;
    // Empty names end a list; in what the registry hands back they may also
    // sit between names, so they are skipped rather than taken as the end.
    while (at < bytes.size()) {
        if (bytes[at] == '\0') {
            ++at;
            continue;
        }
        NextProgramName(bytes.data(), bytes.size(), &at, &name);
        AddProgram(list, std::string(name.text, name.length));
    }
    return list;
}

}  // namespace quorvel
