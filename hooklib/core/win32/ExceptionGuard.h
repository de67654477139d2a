// The structured exception guard of the hook procedures and the Smart Move
// worker. GCC has no __try/__except, so the guard is a vectored exception
// handler that acts only while a guard is armed on the faulting thread and
// only for hardware faults raised in this module's code: it writes the
// report (the "filter") and jumps back to the guard, which then returns
// false. C++ exceptions are caught as well. Faults of other code, and
// exceptions the host program raises and handles itself, pass untouched.
#pragma once

#include "WindowsApi.h"

namespace quorvel {

// Called at the fault, on the faulting thread, before the jump back.
using FaultFilter = void (*)(EXCEPTION_POINTERS* pointers);

// Process set-up: installs the vectored handler; the filter writes reports.
bool InstallExceptionGuard(FaultFilter filter);
void RemoveExceptionGuard();

// Runs body(argument) inside the guard. True when it ran to its end, false
// when a fault (or a C++ exception) was caught.
bool RunGuarded(void (*body)(void* argument), void* argument);

}  // namespace quorvel
