// The /exit start of Quorvel.exe (see ExitRequest.h).
#pragma once

namespace quorvel {

// Asks the running instance to end, waits for it; returns the exit code.
int RunExitSwitch();

}  // namespace quorvel
