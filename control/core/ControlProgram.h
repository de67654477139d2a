// The control program's start and stop: single instance, library file
// refresh, registrations with the hook library, main form load and unload.
#pragma once

#include <cstdint>
#include <string>

#include "FileSystem.h"
#include "HookLibrary.h"
#include "ProgramShell.h"
#include "common/Messages.h"
#include "common/Version.h"

namespace quorvel {

constexpr char SUPPORT_ADDRESS[] = "support@harnwick.com";  // also in the setup program and the help
constexpr const char* PROGRAM_TITLE = "Quorvel";

// "Error when starting Quorvel. ... report a bug to <address>."
std::string StartFailureText();
// Told instead when the hooks could not start because the library cannot
// share its state (GetSharedStateStatus): plain words, no bug report.
std::string SharedStateFailureText(uint32_t status);

class ControlProgram {
public:
    ControlProgram(HookLibrary& library, FileSystem& files, ProgramShell& shell)
        : library_(library), files_(files), shell_(shell) {}

    // The program entry. Returns false when a running instance was found and
    // handed over: this process is to end at once.
    bool Start();

    // Main form load: starts the hooks.
    void OnMainFormLoad(uint32_t mainWindow);

    // Main form unload; returns true to cancel it (the form is only hidden).
    bool OnMainFormUnload();

    // "&Stop": ends the program.
    void Stop();

    bool ExitRequested() const { return ExitRequested_; }
    const std::string& ProgramDirectory() const { return ProgramDirectory_; }

private:
    HookLibrary& library_;
    FileSystem& files_;
    ProgramShell& shell_;
    bool ExitRequested_ = false;
    std::string ProgramDirectory_;
};

}  // namespace quorvel
