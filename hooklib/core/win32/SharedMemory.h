// The one cross-process copy of SharedState: a named shared-memory mapping in
// the session's namespace. Its security descriptor grants access to the
// current user only and carries a mandatory label at the creator's integrity
// level (no-write-up), so a process of lower integrity cannot change what a
// higher one reads. A mapping that exists already but is owned by someone
// else is not used. The mapping lives exactly as long as some process has it
// mapped; a new life starts zero-filled, and the process that wins the
// compare-exchange on SharedInitState writes the initial values. Nobody waits
// on another process for that beyond a few yields; an initialiser that never
// finishes is taken over (hooklib/core/SharedInitWait.h).
#pragma once

#include "WindowsApi.h"

#include "common/win32/Owners.h"
#include "hooklib/core/SharedStateLife.h"

namespace quorvel {

enum class MapOutcome {
    Mapped,     // view is usable
    NotReady,   // another process is writing the initial values: try later
    Untrusted,  // the existing object belongs to someone else
    Failed,     // no mapping could be made
};

// The mapping of this process, held without an owner on purpose: it lives in
// a global of the library and must not be given back by a destructor at
// process exit (under the loader lock); UnmapSharedState gives it back at a
// dynamic unload.
struct SharedMapping {
    HANDLE mapping = nullptr;
    SharedState* view = nullptr;
};

// Maps the record (writing the initial values if this is the first mapping
// of its life).
MapOutcome MapSharedState(SharedMapping* out);
void UnmapSharedState(SharedMapping* mapping);

// Creates or opens a named auto-reset event with the same protection; empty
// when it cannot, or when the existing one belongs to someone else.
OwnedHandle CreateProtectedEvent(const char* name, DWORD* error);

}  // namespace quorvel
