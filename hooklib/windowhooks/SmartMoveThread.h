// The Smart Move worker: one short-lived detached thread per dialog event,
// the only thread the library creates. The platform runs every thread body
// it starts inside the exception guard (a fault ends the thread with 0).
#pragma once

#include <cstdint>

#include "hooklib/core/Context.h"

namespace quorvel {

// The worker's body: moves the pointer into the dialog when Smart Move is
// switched on; always returns 0.
uint32_t SmartMoveThread(Context& ctx, Hwnd dialog);

// Starts a worker for the dialog; false when the thread could not be made
// (the pointer then simply is not moved).
bool StartSmartMoveThread(Context& ctx, Hwnd dialog);

}  // namespace quorvel
