// Windows of programs the hooks cannot enter (an elevated program, one of
// higher integrity or of another user): a gesture aimed at one does nothing,
// and the record notes it so that the control program can tell the user.
#pragma once

#include "Context.h"

namespace quorvel {

// True when the window's program is one the library can work in; otherwise
// notes the window in the record (UnreachableWindow, UnreachableCount) and
// logs it once per window.
bool GestureTargetReachable(Context& ctx, Hwnd window);

}  // namespace quorvel
