// The Smart Move worker: one short-lived detached thread per dialog event,
// the only thread the library creates.
#pragma once

#include <cstdint>

#include "../core/Context.h"

namespace quorvel {

// The worker's body: moves the pointer into the dialog when Smart Move is
// switched on; always returns 0.
uint32_t SmartMoveThread(Context& ctx, Hwnd dialog);

// Runs the body inside the exception guard and returns its result, or 0
// after a fault. The Win32 glue installs one at process attach; without it
// the body runs unguarded (the native tests).
using SmartMoveGuard = uint32_t (*)(uint32_t (*body)(Context& ctx, Hwnd dialog), Context& ctx, Hwnd dialog);
void SetSmartMoveGuard(SmartMoveGuard guard);

// Starts a worker for the dialog; false when the thread could not be made
// (the pointer then simply is not moved).
bool StartSmartMoveThread(Context& ctx, Hwnd dialog);

}  // namespace quorvel
