// This process's instance of the library: the platform, the mapped shared
// record and the process's own state. Made at process attach.
#pragma once

#include "../Context.h"

namespace quorvel {

// The context of this process, or null when the shared record could not be
// mapped here (every hook then only passes its messages on).
Context* LibraryContext();

}  // namespace quorvel
