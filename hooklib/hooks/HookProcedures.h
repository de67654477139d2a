// The logic of the three hook procedures. The Win32 glue calls them inside
// the exception guard and calls the next hook itself. Each procedure's
// first test (the hook code and the messages it looks at) is inline here:
// the messages no hook cares about, the vast majority, cost a comparison or
// two and no call.
#pragma once

#include <cstdint>

#include "hooklib/core/HookFilters.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

// The bodies, for the messages their procedure looks at.
bool MouseHookBody(Context& ctx, const MouseHookInput& in);
void CallWndRetHookBody(Context& ctx, const CallWndRetInput& in);
void GetMessageHookBody(Context& ctx, HookMessage& msg);

// Returns true when the message is to be swallowed (the hook returns 1).
inline bool MouseHookProc(Context& ctx, int code, const MouseHookInput& in) {
    return IsHookAction(code) && IsMouseHookMessage(in.message, ctx.shared) && MouseHookBody(ctx, in);
}

inline void CallWndRetHookProc(Context& ctx, int code, const CallWndRetInput& in) {
    if (IsHookAction(code) && IsWindowHookMessage(in.message)) CallWndRetHookBody(ctx, in);
}

inline void GetMessageHookProc(Context& ctx, int code, uint32_t removeFlag, HookMessage& msg) {
    if (IsHookAction(code) && IsGetMessageHookMessage(removeFlag, msg.message)) GetMessageHookBody(ctx, msg);
}

}  // namespace quorvel
