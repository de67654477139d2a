// The sixteen mouse-button messages the gesture recognizer watches, and the
// groups it sorts them into. Everything here is a pure test of the message
// id, cheap enough for every mouse message of every program.
#pragma once

#include <cstdint>

#include "hooklib/core/WinConstants.h"

namespace quorvel {

// 0xA1-0xA8 (non-client) or 0x201-0x208 (client): the sixteen button messages.
// The middle double-clicks (0xA9, 0x209) and every other mouse message are not.
inline bool IsButtonMessage(uint32_t msg) { return msg - win::WM_NCLBUTTONDOWN < 8u || msg - win::WM_LBUTTONDOWN < 8u; }

// The left and right messages (0xA1-0xA6, 0x201-0x206) take part in the chord.
inline bool IsChordMessage(uint32_t msg) { return msg - win::WM_NCLBUTTONDOWN < 6u || msg - win::WM_LBUTTONDOWN < 6u; }

inline bool IsLeftPress(uint32_t msg) { return msg == win::WM_LBUTTONDOWN || msg == win::WM_NCLBUTTONDOWN; }

// Every press, double-clicks included: down and double-click messages of
// the three buttons (the middle double-clicks are not button messages here).
inline bool IsPress(uint32_t msg) {
    const uint32_t m = msg >= win::WM_LBUTTONDOWN ? msg - win::WM_LBUTTONDOWN : msg - win::WM_NCLBUTTONDOWN;
    return IsButtonMessage(msg) && m != 1 && m != 4 && m != 7;
}

// Presses that arm or test a right gesture, double-clicks included.
inline bool IsRightPress(uint32_t msg) {
    return msg == win::WM_RBUTTONDOWN || msg == win::WM_NCRBUTTONDOWN || msg == win::WM_RBUTTONDBLCLK ||
           msg == win::WM_NCRBUTTONDBLCLK;
}

// Right presses that can be the second button of a chord (not double-clicks).
inline bool IsRightSinglePress(uint32_t msg) { return msg == win::WM_RBUTTONDOWN || msg == win::WM_NCRBUTTONDOWN; }

inline bool IsRightRelease(uint32_t msg) { return msg == win::WM_RBUTTONUP || msg == win::WM_NCRBUTTONUP; }

inline bool IsLeftOrRightRelease(uint32_t msg) {
    return msg == win::WM_LBUTTONUP || msg == win::WM_NCLBUTTONUP || IsRightRelease(msg);
}

inline bool IsMiddlePress(uint32_t msg) { return msg == win::WM_MBUTTONDOWN || msg == win::WM_NCMBUTTONDOWN; }

inline bool IsMoveMessage(uint32_t msg) { return msg == win::WM_MOUSEMOVE || msg == win::WM_NCMOUSEMOVE; }

inline bool IsMiddleRelease(uint32_t msg) { return msg == win::WM_MBUTTONUP || msg == win::WM_NCMBUTTONUP; }

// A point packed into an lParam as Windows packs it: x in the low word, y in
// the high word, each as a signed 16-bit value (so -1 is 0xFFFF, not a
// carry into the other half).
inline uint32_t PackPointLParam(int32_t x, int32_t y) {
    return static_cast<uint32_t>(static_cast<uint16_t>(x)) | (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16);
}

// Is the value strictly inside the double-click box of the given size
// around the centre? The half size truncates, so a size of 1 matches nothing.
inline bool InDoubleClickBox(int32_t value, int32_t centre, int32_t size) {
    int32_t half = size / 2;
    return centre - half < value && value < centre + half;
}

}  // namespace quorvel
