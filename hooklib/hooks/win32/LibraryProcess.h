// This process's instance of the library: the platform, the mapped shared
// record and the process's own state. Nothing of it is made under the
// loader lock: the entry point only remembers the module; the first call of
// a hook or an export maps the record, opens the events, runs the start-up
// and reads the remembered dialog clicks (once per process, never waiting on
// another thread or process). A dynamic unload gives everything back.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

// The context of this process, made at the first call; null while another
// thread of the process is making it, or when the shared record could not
// be mapped or trusted here (every hook then only passes its messages on).
Context* LibraryContext();

// The same for the hook procedures: also null once this process's hooks
// have faulted repeatedly.
Context* HookContext();

// SHARED_STATE_... of common/HookExports.h for this process (starting the
// library here if it has not started).
uint32_t SharedStateStatus();

}  // namespace quorvel
