// Side effects leave the host program: a hook that wants a program started
// asks Quorvel.exe's main window, which starts one of its own fixed
// programs. Shell calls can load extensions and take seconds; inside a hook
// they would hold up the host's input.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// Posts LAUNCH_REQUEST_MESSAGE with the action to the registered main
// window when it is Quorvel's (its marker and caption); without it nothing
// is started and one log line says so. True when the request was posted.
bool RequestLaunch(Context& ctx, uint32_t action);

}  // namespace quorvel
