// The logic of the three hook procedures. The Win32 glue calls them inside
// the exception guard and calls the next hook itself.
#pragma once

#include <cstdint>

#include "hooklib/core/HookInputs.h"

namespace quorvel {

// Returns true when the message is to be swallowed (the hook returns 1).
bool MouseHookProc(Context& ctx, int code, const MouseHookInput& in);

void CallWndRetHookProc(Context& ctx, int code, const CallWndRetInput& in);

void GetMessageHookProc(Context& ctx, int code, uint32_t removeFlag, HookMessage& msg);

}  // namespace quorvel
