// State of the library that every process keeps for itself.
#pragma once

#include <cstdint>

#include "../windowhooks/DialogTables.h"
#include "Platform.h"

namespace quorvel {

struct ProcessState {
    uintptr_t ModuleHandle = 0;
    // Which library this is: the x86_64 build (system64.dat) sets it at
    // attach; it picks the hook handles of that architecture in SharedState.
    bool Is64Bit = false;
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
