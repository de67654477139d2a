// "Cursor, Go Away": while the user types, a pointer that covers the text
// caret glides 40 px away, on the typing thread.
#pragma once

#include "hooklib/core/Context.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

constexpr int32_t CARET_BOX_SIZE = 20;        // px; side of the caret's and the pointer's squares
constexpr int32_t CURSOR_AWAY_DISTANCE = 40;  // px moved on each axis
constexpr int CURSOR_AWAY_STEPS = 10;         // 11 positions including the start
constexpr uint32_t CURSOR_AWAY_STEP_MS = 10;  // between two positions

// Where the pointer at p goes: 40 px right and down, or left / up where that
// would reach the right or bottom edge of the screen.
Point CursorAwayTarget(const Rect& monitor, Point p);

// Run for a typed character (the message's window holds the caret).
void CursorGoAway(Context& ctx, const HookMessage& msg);

}  // namespace quorvel
