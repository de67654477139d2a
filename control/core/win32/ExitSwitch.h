// The /exit start of Quorvel.exe (see ExitRequest.h).
#pragma once

#include "control/core/Clock.h"

namespace quorvel {

// Asks the running instance to end, waits for it; returns the exit code.
int RunExitSwitch(Clock& clock);

}  // namespace quorvel
