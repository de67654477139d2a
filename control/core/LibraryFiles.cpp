#include "LibraryFiles.h"

#include <cctype>
#include <cstring>

#include "LibraryImage.h"

namespace quorvel {

namespace {

// Copies `from` to `to` by way of a temporary name: the copy is checked and
// then renamed into place with write-through, so `to` is either its old self
// or a complete good library, never a torn one.
bool CopyChecked(FileSystem& files, const std::string& from, const std::string& to, const std::string& expected) {
    const std::string temporary = to + ".new";
    if (files.Exists(temporary)) files.Delete(temporary);
    std::string copied;
    if (!files.Copy(from, temporary, false) || !files.Read(temporary, &copied) || copied != expected ||
        !files.Replace(temporary, to)) {
        files.Delete(temporary);
        return false;
    }
    return true;
}

// The files an installation puts into its folder.
constexpr const char* INSTALLED_FILE_NAMES[] = {
    HOOK_LIBRARY_FILE_NAME,    PRISTINE_LIBRARY_FILE_NAME, HOOK64_LIBRARY_FILE_NAME, HOOK64_HELPER_FILE_NAME,
    PROGRAM_FILE_NAME,         TUTORIAL_FILE_NAME,         HELP_FILE_NAME,           UTIL_LIBRARY_FILE_NAME,
    SET_FOREGROUND_WINDOW_EXE, SHOW_DESKTOP_FILE_NAME,
};

bool StartsWithIgnoringCase(const std::string& text, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (text.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool EndsWithIgnoringCase(const std::string& text, const char* suffix) {
    const size_t length = std::strlen(suffix);
    return text.size() >= length && StartsWithIgnoringCase(text.substr(text.size() - length), suffix);
}

// "<installed file>.old" or "<installed file>.<digits>.old".
bool IsUpgradeLeftover(const std::string& name) {
    if (!EndsWithIgnoringCase(name, LEFTOVER_FILE_SUFFIX)) return false;
    const std::string stem = name.substr(0, name.size() - std::strlen(LEFTOVER_FILE_SUFFIX));
    for (const char* installed : INSTALLED_FILE_NAMES) {
        if (!StartsWithIgnoringCase(stem, installed)) continue;
        const std::string rest = stem.substr(std::strlen(installed));
        if (rest.empty()) return true;
        if (rest.size() < 2 || rest[0] != '.') continue;
        bool digits = true;
        for (size_t i = 1; i < rest.size(); ++i) digits = digits && std::isdigit(static_cast<unsigned char>(rest[i]));
        if (digits) return true;
    }
    return false;
}

}  // namespace

void DeleteUpgradeLeftovers(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return;
    for (const std::string& name : files.List(programDirectory)) {
        if (IsUpgradeLeftover(name)) files.Delete(programDirectory + name);  // in use: left for later
    }
}

void RefreshHookLibraryFile(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return;  // never work in the current directory
    const std::string library = programDirectory + HOOK_LIBRARY_FILE_NAME;
    const std::string pristine = programDirectory + PRISTINE_LIBRARY_FILE_NAME;
    const std::string retired = programDirectory + RETIRED_LIBRARY_FILE_NAME;
    std::string candidate;
    if (!files.Exists(pristine) || !files.Read(pristine, &candidate)) return;
    // A torn or foreign "system2.dat" never replaces the library.
    if (!LooksLikeHookLibrary(candidate)) return;
    // A previous library that survived its run because the load after it
    // failed, or that is still mapped, goes now if it can.
    if (files.Exists(retired)) files.Delete(retired);
    if (files.Exists(library) && !files.Exists(retired)) files.Move(library, retired);
    if (CopyChecked(files, pristine, library, candidate)) return;
    // Nothing usable in place: put the previous library back.
    if (files.Exists(retired)) files.Replace(retired, library);
}

bool FallBackToPreviousLibrary(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return false;
    const std::string retired = programDirectory + RETIRED_LIBRARY_FILE_NAME;
    return files.Exists(retired) && files.Replace(retired, programDirectory + HOOK_LIBRARY_FILE_NAME);
}

void KeepPristineLibraryCopy(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return;
    const std::string library = programDirectory + HOOK_LIBRARY_FILE_NAME;
    const std::string pristine = programDirectory + PRISTINE_LIBRARY_FILE_NAME;
    std::string existing, current;
    // An existing good copy is kept; a torn or foreign one is replaced by the
    // library that has just run.
    if (files.Exists(pristine) && files.Read(pristine, &existing) && LooksLikeHookLibrary(existing)) return;
    if (!files.Read(library, &current) || !LooksLikeHookLibrary(current)) return;
    CopyChecked(files, library, pristine, current);
}

}  // namespace quorvel
