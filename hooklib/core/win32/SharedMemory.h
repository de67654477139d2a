// The one cross-process copy of SharedState: a named shared-memory mapping in
// the session's namespace, readable and writable by the current user only.
// The mapping lives exactly as long as some process has it mapped; a new life
// starts from the initial values, written by the process that creates it
// while it holds a named mutex, so no process can see a half-made record.
#pragma once

#include "../SharedState.h"

namespace quorvel {

// Maps the record (creating and initialising it if this is the first
// mapping of its life). Returns null when it cannot be mapped.
SharedState* MapSharedState();
void UnmapSharedState(SharedState* state);

}  // namespace quorvel
