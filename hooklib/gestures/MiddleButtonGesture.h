// The middle button: a drag left minimizes the window under the cursor, a
// drag right maximizes or restores it, and two releases close together in
// time and place show the desktop.
#pragma once

#include "hooklib/core/Context.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

// Middle presses 0x207, 0xA7. True to swallow (inside Notepad or Word).
bool OnMiddleButtonDown(Context& ctx, const MouseHookInput& in);
// Middle releases 0x208, 0xA8; always passed on.
void OnMiddleButtonUp(Context& ctx, const MouseHookInput& in);

}  // namespace quorvel
