// Which messages each hook procedure looks at. The glue tests these before
// it arms the exception guard, so that the messages no hook cares about (the
// vast majority) leave at once.
#pragma once

#include <cstdint>

#include "WinConstants.h"
#include "common/SharedState.h"

namespace quorvel {

// A hook is to act on its message (HC_ACTION), not only to pass it on.
constexpr bool IsHookAction(int code) { return code == win::HC_ACTION; }

// The sixteen mouse-button messages of the mouse hook.
constexpr bool IsMouseButtonMessage(uint32_t m) {
    return (m >= win::WM_LBUTTONDOWN && m <= win::WM_MBUTTONUP) ||
           (m >= win::WM_NCLBUTTONDOWN && m <= win::WM_NCMBUTTONUP);
}

// What the mouse hook's body sees: the button messages, and the pointer
// moves only while a gesture waits for its end (a drag to scroll or to
// call off when its release goes by unseen); the record is read only for
// a move.
inline bool IsMouseHookMessage(uint32_t m, const SharedState& s) {
    if (IsMouseButtonMessage(m)) return true;
    if (m != win::WM_MOUSEMOVE && m != win::WM_NCMOUSEMOVE) return false;
    return s.DragScrollState != 0 || s.IERButtonDown != 0 || s.MButtonDownPending != 0 || s.ChordPending != 0 ||
           s.ChordSecondUpPending != 0;
}

// The call-window-procedure-return hook looks at four messages; most
// messages lie above them and leave at the first comparison.
constexpr bool IsWindowHookMessage(uint32_t m) {
    return m <= win::WM_NCPAINT && (m >= win::WM_NCHITTEST || m == win::WM_SHOWWINDOW || m == win::WM_DESTROY);
}

// The get-message hook looks at removed key releases, typed characters,
// button releases and wheel turns (low 16 bits of the message number).
constexpr bool IsGetMessageHookMessage(uint32_t removeFlag, uint32_t message) {
    // Bits of the releases and the wheel from 0x200 and of the non-client
    // releases from 0xA0.
    constexpr uint32_t CLIENT = 1u << (win::WM_LBUTTONUP - 0x200) | 1u << (win::WM_RBUTTONUP - 0x200) |
                                1u << (win::WM_MBUTTONUP - 0x200) | 1u << (win::WM_MOUSEWHEEL - 0x200);
    constexpr uint32_t NON_CLIENT =
        1u << (win::WM_NCLBUTTONUP - 0xA0) | 1u << (win::WM_NCRBUTTONUP - 0xA0) | 1u << (win::WM_NCMBUTTONUP - 0xA0);
    const uint32_t m = message & 0xFFFFu;
    if (removeFlag != win::PM_REMOVE) return false;
    if (m - 0x200u < 16u) return ((CLIENT >> (m - 0x200u)) & 1u) != 0;
    if (m - 0xA0u < 16u) return ((NON_CLIENT >> (m - 0xA0u)) & 1u) != 0;
    return m == win::WM_KEYUP || m == win::WM_CHAR;
}

}  // namespace quorvel
