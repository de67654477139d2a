// The left+right chord: pressing both buttons together, then releasing
// both, switches to the last active application (Alt+Tab). Of a chord the
// second press and both releases are swallowed; the application sees the
// first press and, at the second release, a posted release of that button
// at the pointer.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

// Samples the logical left and right buttons into LButtonHeld/RButtonHeld.
void ReadButtonStates(Context& ctx);
// True when the message belongs to a chord and is to be swallowed.
// `pt` is the event position, used when the cursor cannot be read.
bool HandleButtonChord(Context& ctx, uint32_t message, Hwnd window, Point pt);

}  // namespace quorvel
