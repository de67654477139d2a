// The logic of the three hook procedures. The Win32 glue calls them inside
// the exception guard and calls the next hook itself.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// What a WH_MOUSE hook call carries.
struct MouseHookInput {
    uint32_t message = 0;
    Point pt;       // screen position of the event
    Hwnd hwnd = 0;  // window that is to receive the message
};

// Returns true when the message is to be swallowed (the hook returns 1).
bool MouseHookProc(Context& ctx, int code, const MouseHookInput& in);

// What a WH_CALLWNDPROCRET hook call carries (CWPRETSTRUCT).
struct CallWndRetInput {
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    Hwnd hwnd = 0;
};

void CallWndRetHookProc(Context& ctx, int code, const CallWndRetInput& in);

// The MSG a WH_GETMESSAGE hook sees; the hook may change `message` in place.
struct HookMessage {
    Hwnd hwnd = 0;
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    uint32_t time = 0;
    Point pt;
};

void GetMessageHookProc(Context& ctx, int code, uint32_t removeFlag, HookMessage& msg);

}  // namespace quorvel
