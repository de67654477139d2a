// Which messages each hook procedure looks at. The glue tests these before
// it arms the exception guard, so that the messages no hook cares about (the
// vast majority) leave at once.
#pragma once

#include <cstdint>

#include "WinConstants.h"

namespace quorvel {

// The sixteen mouse-button messages of the mouse hook.
constexpr bool IsMouseButtonMessage(uint32_t m) {
    return (m >= win::WM_LBUTTONDOWN && m <= win::WM_MBUTTONUP) ||
           (m >= win::WM_NCLBUTTONDOWN && m <= win::WM_NCMBUTTONUP);
}

// What the mouse hook's body sees: the button messages, and the pointer
// moves only while a middle press over a browser page waits for them
// (dragScrollState is SharedState::DragScrollState).
constexpr bool IsMouseHookMessage(uint32_t m, uint32_t dragScrollState) {
    return IsMouseButtonMessage(m) || (dragScrollState != 0 && (m == win::WM_MOUSEMOVE || m == win::WM_NCMOUSEMOVE));
}

// The call-window-procedure-return hook looks at four messages.
constexpr bool IsWindowHookMessage(uint32_t m) {
    return m == win::WM_NCHITTEST || m == win::WM_NCPAINT || m == win::WM_SHOWWINDOW || m == win::WM_DESTROY;
}

// The get-message hook looks at removed key releases, typed characters,
// button releases and wheel turns (low 16 bits of the message number).
constexpr bool IsGetMessageHookMessage(uint32_t removeFlag, uint32_t message) {
    if (removeFlag != win::PM_REMOVE) return false;
    uint32_t m = message & 0xFFFFu;
    return m == win::WM_KEYUP || m == win::WM_CHAR || m == win::WM_LBUTTONUP || m == win::WM_RBUTTONUP ||
           m == win::WM_MBUTTONUP || m == win::WM_NCLBUTTONUP || m == win::WM_NCRBUTTONUP || m == win::WM_NCMBUTTONUP ||
           m == win::WM_MOUSEWHEEL;
}

}  // namespace quorvel
