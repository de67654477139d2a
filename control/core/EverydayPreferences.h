// The user's own preferences of the everyday controls, kept under
// HKEY_CURRENT_USER\Software\Harnwick\Quorvel: whether the notification-area
// icon is shown, whether the hooks stay quiet over a full-screen window,
// the programs in which the hooks pass everything on, and the programs whose
// pages get the browser gestures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/ProgramList.h"
#include "common/Registry.h"

namespace quorvel {

// Where the preferences live; the Win32 side is the registry, tests fake it.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;
    virtual bool ReadDword(const char* name, uint32_t* value) = 0;
    virtual bool WriteDword(const char* name, uint32_t value) = 0;
    // REG_MULTI_SZ: the raw bytes as stored.
    virtual bool ReadMultiString(const char* name, std::string* bytes) = 0;
    virtual bool WriteMultiString(const char* name, const std::string& bytes) = 0;
};

struct EverydayPreferences {
    bool trayIcon = true;
    bool fullScreenPause = true;
    std::vector<std::string> excludedPrograms;
    std::vector<std::string> browserPrograms = DefaultBrowserPrograms();

    static std::vector<std::string> DefaultBrowserPrograms();
};

// Missing or unreadable values keep their defaults.
EverydayPreferences LoadPreferences(PreferenceStore& store);

// ---- the exclusion list

// What a user typed or picked, made a program file name: blanks and quotes
// around it and any folders go; a name without an extension gets ".exe".
// Empty when nothing usable is left (or the name holds characters no file
// name may hold).
std::string ExclusionName(const std::string& typedOrPath);

enum class AddResult { Added, AlreadyThere, NotAName, ListFull };

// Adds a name (made with ExclusionName) unless it is there already,
// compared without case, or the packed list would not fit the room.
AddResult AddProgram(std::vector<std::string>& list, const std::string& typedOrPath);

// Names each ending in a zero, then an empty name: the REG_MULTI_SZ form,
// also what the hook library takes.
std::string PackedProgramList(const std::vector<std::string>& list);

// Reads a REG_MULTI_SZ as found in the registry, never beyond its bytes:
// a last name without its zero still counts; empty names are skipped;
// names are made file names again; duplicates and what would not fit the
// room are dropped.
std::vector<std::string> UnpackProgramList(const std::string& bytes);

}  // namespace quorvel
