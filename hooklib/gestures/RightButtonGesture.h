// The right button: drags over browser page content (back, forward, stop,
// open address), the replay of a plain click to the page, and the right
// double-click that closes a window.
#pragma once

#include "hooklib/core/Context.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

// Right presses 0x204, 0xA4, 0x206, 0xA6. True to swallow (browser content).
bool OnRightButtonDown(Context& ctx, const MouseHookInput& in);
// Right releases 0x205, 0xA5. True to swallow (an armed drag ended).
bool OnRightButtonUp(Context& ctx, const MouseHookInput& in);

// Runs on every processed right release `in`: `queued` is the release as
// PeekMessageA saw it when `read`, else the current time and cursor are used.
void CheckRightDoubleClick(Context& ctx, const MouseHookInput& in, const QueuedMessage& queued, bool read);

}  // namespace quorvel
