// "Just Wheel It": a wheel turn scrolls the window under the pointer rather
// than the window with the focus; over another thread's window it first
// activates that window with a click.
#pragma once

#include "../core/Context.h"
#include "../core/HookProcedures.h"

namespace quorvel {

// Run for a WM_MOUSEWHEEL taken from the queue; may turn it into WM_NULL.
void RedirectWheel(Context& ctx, HookMessage& msg);

}  // namespace quorvel
