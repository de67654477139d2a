// The exports of the hook libraries system.dat and system64.dat: each name
// and signature once. Every export is stdcall with an undecorated name and
// 32-bit arguments and results (window handles travel as 32-bit values), so
// any program binds it by name.
//
// QUORVEL_HOOK_EXPORTS(X) calls X(name, result, parameters, arguments) for
// each export; the library declares and defines them from this list, the
// control program binds them by name from it.
#pragma once

#include <cstddef>
#include <cstdint>

#define QUORVEL_HOOK_EXPORTS(X)                                                                                \
    X(startHook, uint32_t, (), ())                                                                             \
    X(stopHook, uint32_t, (), ())                                                                              \
    X(SetStopHookFlag, void, (), ())                                                                           \
    X(PauseQuorvel, void, (), ())                                                                              \
    X(ResumeQuorvel, void, (), ())                                                                             \
    X(SetMainWindowAndMessage, uint32_t, (uint32_t window, uint32_t message), (window, message))               \
    X(SetTaskListWindowAndMessage, uint32_t, (uint32_t window, uint32_t message), (window, message))           \
    X(SetAutoClickWindowAndMessage, uint32_t, (uint32_t window, uint32_t message), (window, message))          \
    X(SetPromptRestWindow, uint32_t, (uint32_t window), (window))                                              \
    X(SetQuorvelWindowUserData, uint32_t, (uint32_t marker), (marker))                                         \
    X(SetQuorvelVersion, uint32_t, (uint32_t major, uint32_t minor, uint32_t build), (major, minor, build))    \
    X(AddIEWindow, void, (uint32_t key), (key))                                                                \
    X(RemoveIEWindow, void, (uint32_t key), (key))                                                             \
    X(GetRootWindow, uint32_t, (uint32_t window, uint32_t refuseDialogs), (window, refuseDialogs))             \
    X(IfDialogBoxWindow, uint32_t, (uint32_t window), (window))                                                \
    X(LowWord, uint32_t, (uint32_t value), (value))                                                            \
    X(HiWord, uint32_t, (uint32_t value), (value))                                                             \
    X(GetSetting, uint32_t, (), ())                                                                            \
    X(SaveSetting, uint32_t, (uint32_t setting), (setting))                                                    \
    X(UserShouldRest, uint32_t, (uint32_t * keys, uint32_t * clicks, uint32_t * distance, uint32_t * minutes), \
      (keys, clicks, distance, minutes))                                                                       \
    X(GetUserLastClickOrKeyTime, uint32_t, (), ())                                                             \
    X(SimulateClick, uint32_t, (uint32_t x, uint32_t y), (x, y))                                               \
    X(SetExcludedPrograms, void, (const char* list, uint32_t size), (list, size))                              \
    X(SetFullScreenPause, void, (uint32_t on), (on))                                                           \
    X(GetUnreachableCount, uint32_t, (), ())                                                                   \
    X(SetBrowserPrograms, void, (const char* list, uint32_t size), (list, size))                               \
    X(SetMonitorLayout, void, (const int32_t* rects, uint32_t count), (rects, count))                           \
    X(SetFullScreenNow, void, (uint32_t on), (on))                                                             \
    X(GetSharedStateStatus, uint32_t, (), ())

namespace quorvel {

// The exports by number, in the order of the list.
enum class HookExport {
#define QUORVEL_EXPORT_ENUM(name, result, parameters, arguments) name,
    QUORVEL_HOOK_EXPORTS(QUORVEL_EXPORT_ENUM)
#undef QUORVEL_EXPORT_ENUM
};

constexpr const char* HOOK_EXPORT_NAMES[] = {
#define QUORVEL_EXPORT_NAME(name, result, parameters, arguments) #name,
    QUORVEL_HOOK_EXPORTS(QUORVEL_EXPORT_NAME)
#undef QUORVEL_EXPORT_NAME
};
constexpr size_t HOOK_EXPORT_COUNT = sizeof HOOK_EXPORT_NAMES / sizeof HOOK_EXPORT_NAMES[0];

constexpr const char* HookExportName(HookExport which) { return HOOK_EXPORT_NAMES[static_cast<size_t>(which)]; }

// GetSharedStateStatus: whether the library shares its state in this
// process (a refused record leaves every hook of the desktop without it).
constexpr uint32_t SHARED_STATE_SHARED = 0;
constexpr uint32_t SHARED_STATE_REFUSED = 1;      // the record's name holds an object that is not ours, or unusable
constexpr uint32_t SHARED_STATE_UNAVAILABLE = 2;  // the record could not be made here
constexpr uint32_t SHARED_STATE_NOT_YET = 3;      // another process is still writing its first values

// What a file must export to count as a hook library at all.
constexpr HookExport REQUIRED_HOOK_EXPORTS[] = {HookExport::startHook, HookExport::stopHook,
                                                HookExport::SetStopHookFlag, HookExport::SetQuorvelVersion};

}  // namespace quorvel
