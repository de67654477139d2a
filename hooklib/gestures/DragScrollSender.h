// Drag-to-scroll over a browser page, the sending half: the control
// program's main window scrolls the page, this tells it when. Pages are
// Internet Explorer's ("Internet Explorer_Server"), and Firefox's and
// Chromium's in browser programs (hooklib/core/Browsers.h).
//
// The rule the user learns: press the middle button over the page and hold
// the pointer still for a moment (DRAG_SCROLL_HOLD_TIME); from then on the
// page follows the pointer until the button is released. Such a drag never
// minimizes or maximizes and its release never counts toward the middle
// double-click. A middle drag that starts moving at once is the ordinary
// minimize/maximize drag; a plain middle click still reaches the page.
//
// Each movement of a scrolling drag posts one DragScrollStepMessage (wParam:
// cursor x in the low 16 bits, y in the high 16 bits, both signed; lParam:
// the page's content window) to the registered main window; the first one
// carries the press point, where the page is taken hold of. The release
// posts DRAG_SCROLL_END_MESSAGE with the same lParam, after a last step when
// it comes from a point no step was sent from.
#pragma once

#include "hooklib/core/Context.h"
#include "common/Messages.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

constexpr uint32_t DRAG_SCROLL_IDLE = 0;
constexpr uint32_t DRAG_SCROLL_HOLDING = 1;    // pressed over a page, not yet moved
constexpr uint32_t DRAG_SCROLL_SCROLLING = 2;  // held long enough and moving

constexpr uint32_t DRAG_SCROLL_HOLD_TIME = 300;   // ms the pointer rests after the press
constexpr int32_t DRAG_SCROLL_HOLD_DISTANCE = 4;  // px of jitter that still counts as resting

// At a middle press, after the press is recorded: arms the drag when the
// feature is on, the main window is ours and the press is over a page.
void ArmDragScroll(Context& ctx, const MouseHookInput& in);

// WM_MOUSEMOVE / WM_NCMOUSEMOVE while armed or scrolling. Never swallows.
void OnDragScrollMove(Context& ctx, const MouseHookInput& in);

// At a middle release: true when it ends a scrolling drag (the end is
// posted); such a release neither sizes a window nor counts as a click.
bool EndDragScroll(Context& ctx, const MouseHookInput& in);

// A drag whose release went by unseen, or ended where Quorvel stays out:
// back to idle; a scrolling one gets its end posted (no last step).
void CallOffDragScroll(Context& ctx, Point at);

}  // namespace quorvel
