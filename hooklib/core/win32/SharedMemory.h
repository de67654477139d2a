// The one cross-process copy of SharedState: a named shared-memory mapping in
// the private namespace of the user at medium level (RecordNamespace.h;
// where the system has none, in the session's namespace). Its security
// descriptor names the user alone and carries the medium label, whoever
// makes it, so that an elevated Quorvel and the user's normal programs share
// it and programs of a lower level can neither change nor read it. An
// object that exists already is used only when its owner, access rule and
// label are exactly ours, and only once its view is known to hold the whole
// record in committed pages. The mapping lives exactly as long as some
// process has it mapped; a new life starts zero-filled, and the process that
// wins the compare-exchange on SharedInitState writes the initial values.
// Nobody waits on another process for that beyond a few yields; an
// initialiser that never finishes is taken over (hooklib/core/SharedInitWait.h).
#pragma once

#include "WindowsApi.h"

#include "common/win32/Owners.h"
#include "hooklib/core/SharedStateLife.h"

namespace quorvel {

enum class MapOutcome {
    Mapped,     // view is usable
    NotReady,   // another process is writing the initial values: try later
    Untrusted,  // the existing object is not ours exactly (owner, access rule, label)
    Unusable,   // the existing object is smaller than the record or not committed
    Closed,     // this process runs below the medium level: the record is not for it
    Failed,     // no mapping could be made
    Faulted,    // the start-up met a fault (told by the library's glue)
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

// Creates or opens a named auto-reset event of the record (same namespace,
// same protection); empty when it cannot, or when the existing one is not
// exactly ours.
OwnedHandle CreateProtectedEvent(const char* name, DWORD* error);

}  // namespace quorvel
