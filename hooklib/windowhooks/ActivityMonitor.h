// Per-minute counts of key releases, button releases and pointer travel,
// shared by every process, for the rest reminder; and the simulated click
// of the auto-click box.
#pragma once

#include <cstdint>

#include "hooklib/core/Context.h"

namespace quorvel {

enum UserActionCode : int { ACTION_KEY = 0, ACTION_CLICK = 1, ACTION_MOVE = 2 };

constexpr int32_t MAX_COUNTED_MOVE = 300;       // px; longer jumps are not pointer travel
constexpr uint32_t IDLE_PERIOD_BREAK = 30;      // minutes without any action start a new work period
constexpr uint32_t BUSY_PERIOD_ACTIONS = 2400;  // more key and button releases than this call for a rest
constexpr uint32_t LONG_PERIOD_MINUTES = 60;    // a work period this long calls for a rest

void RecordUserAction(Context& ctx, int code, int oldX, int oldY, int newX, int newY);
// Closes the current minute; 1 when a rest should be proposed. With the rest
// reminder switched off it returns 0 and leaves the outputs untouched.
int UserShouldRest(Context& ctx, uint32_t* keys, uint32_t* clicks, uint32_t* distance, uint32_t* minutes);
uint32_t GetUserLastClickOrKeyTime(Context& ctx);
// Clicks the primary button at (x, y) and puts the pointer back; the result
// of that last SetCursorPos.
int SimulateClick(Context& ctx, int x, int y);

// Synthesises one click of the primary button (the right one when the
// buttons are swapped) at the given absolute position, without moving.
void SendPrimaryClick(Context& ctx, int32_t x, int32_t y);

}  // namespace quorvel
