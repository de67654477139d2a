// What the three hook procedures are given, as plain values the features
// work with.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// What a WH_MOUSE hook call carries.
struct MouseHookInput {
    uint32_t message = 0;
    Point pt;       // screen position of the event
    Hwnd hwnd = 0;  // window that is to receive the message
    // The gate keeps the hooks out of this message (an excluded program, the
    // full-screen pause): it may only call off a gesture under way.
    bool gated = false;
};

// What a WH_CALLWNDPROCRET hook call carries (CWPRETSTRUCT).
struct CallWndRetInput {
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    Hwnd hwnd = 0;
};

// The MSG a WH_GETMESSAGE hook sees; the hook may change `message` in place.
struct HookMessage {
    Hwnd hwnd = 0;
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    uint32_t time = 0;
    Point pt;
};

}  // namespace quorvel
