// State of the library that every process keeps for itself.
#pragma once

#include <cstdint>

#include "../windowhooks/DialogTables.h"
#include "Platform.h"
#include "SharedState.h"

namespace quorvel {

struct ProcessState {
    uintptr_t ModuleHandle = 0;
    // The folder of this process's own copy of the library (with its
    // trailing backslash) and the helper program in it. Files are opened and
    // programs started from these, never from the shared record's copies,
    // which any process of the desktop can rewrite. Empty: unknown.
    char InstallFolder[INSTALL_PATH_SIZE] = {};
    char SetForegroundWindowPath[SET_FOREGROUND_PATH_SIZE] = {};
    uintptr_t OuterWaitEvent = 0;
    uintptr_t InnerWaitEvent = 0;
    // the last middle-button release seen in this process
    uint32_t LastMButtonUpTime = 0;
    int32_t lastX = -100;
    int32_t lastY = -100;
    // dialog maps and the one lock of this process that guards them
    DialogTables dialogs;
    ProcessLock* lock = nullptr;
};

}  // namespace quorvel
