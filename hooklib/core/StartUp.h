// What the library does when a process maps it, and the one-time
// initialisation of a new life of the shared state.
#pragma once

#include <cstddef>

#include "Context.h"

namespace quorvel {

// Result of opening the two named events (the glue opens them; the logic
// only reports failures at first initialisation).
struct WaitEvents {
    uintptr_t outer = 0;
    uint32_t outerError = 0;
    uintptr_t inner = 0;
    uint32_t innerError = 0;
};

void FirstInitialisation(Context& ctx, uintptr_t moduleInstance, const WaitEvents& events);

// The start-up lines of the first initialisation (from "Date :" to
// "SetForegroundWindow full name :"); the record's texts within their fields.
void LogStartUpLines(Context& ctx, const SystemTimeUtc& t);

// Description of the Windows version, e.g. "Microsoft Windows XP Service Pack 2 (Build 2600)".
// Sets IsNTPlatform on the NT platform. False when the version cannot be read.
bool GetWindowsVersionText(System& system, SharedState& shared, char* text, size_t size);

// The "Version" value of HKLM "SOFTWARE\Microsoft\Internet Explorer".
bool GetIEVersionText(Registry& registry, char* text, size_t size);

// Derives InstallPath and SetForegroundWindowPath from the library's full
// file name. An install folder too long for either field leaves the field
// empty (and the log goes to "c:\"); it never overflows.
void SetInstallPaths(SharedState& s, const char* moduleFileName);
void BuildInstallPaths(const char* moduleFileName, char (&folder)[INSTALL_PATH_SIZE],
                       char (&setForegroundWindowPath)[SET_FOREGROUND_PATH_SIZE]);

}  // namespace quorvel
