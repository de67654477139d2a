// The hook library file and its two companions in the program folder:
// "system.dat" is loaded, "system2.dat" is the pristine copy, "Nouse.dat"
// is the previous "system.dat", moved away because other processes may
// still have it mapped.
#pragma once

#include <string>

#include "FileSystem.h"
#include "common/FileNames.h"

namespace quorvel {

// Before the library is loaded: puts a fresh copy of "system2.dat" in place
// of "system.dat", keeping the previous one as "Nouse.dat". Nothing happens
// when there is no "system2.dat" or it is not a complete hook library (a
// torn or foreign file never replaces a good one). The copy goes to a
// temporary name and is renamed into place. A failing step does not stop
// the start: the library present is used.
void RefreshHookLibraryFile(FileSystem& files, const std::string& programDirectory);

// After "system.dat" failed to load: puts "Nouse.dat" back in its place.
// True when there was one to put back.
bool FallBackToPreviousLibrary(FileSystem& files, const std::string& programDirectory);

// At exit: makes "system2.dat" from "system.dat" unless a good copy exists
// already (a torn one is replaced).
void KeepPristineLibraryCopy(FileSystem& files, const std::string& programDirectory);

// At start: deletes what an upgrade moved aside while it was in use
// ("<file name>.<number>.old", and the "<file name>.old" of earlier setup
// programs, for the files of an installation only) where it is free now. A
// file still in use stays for a later start.
void DeleteUpgradeLeftovers(FileSystem& files, const std::string& programDirectory);

}  // namespace quorvel
