// What the library does when a process first calls it: the one-time
// initialisation of a new life of the shared state if it is pending, then
// this process's own start-up.
#pragma once

#include "hooklib/core/StartUp.h"

namespace quorvel {

// Run for DLL_PROCESS_ATTACH once the shared record is mapped: the first
// initialisation if it is pending, then this process's Smart Move memory.
void OnProcessAttach(Context& ctx, uintptr_t moduleInstance, const WaitEvents& events);

}  // namespace quorvel
