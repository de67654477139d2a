// "Just Wheel It": a wheel turn scrolls the window under the pointer rather
// than the window with the focus; over another thread's window it first
// activates that window with a click. Over the taskbar it opens the
// control program's task switcher instead.
#pragma once

#include "hooklib/core/Context.h"
#include "hooklib/core/HookInputs.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel {

// Over a taskbar's task buttons (not its notification area or clock), with
// a task switcher registered: posts it TaskListMessage and drops the wheel turn.
bool OpenTaskSwitcherOverTaskbar(Context& ctx, TaskbarPart part, HookMessage& msg);

// Run for a WM_MOUSEWHEEL taken from the queue; may turn it into WM_NULL.
void RedirectWheel(Context& ctx, HookMessage& msg);

}  // namespace quorvel
