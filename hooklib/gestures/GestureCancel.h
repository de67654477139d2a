// Gestures never stay armed. A gesture starts at a press and ends at its
// release; a release the gesture logic never sees (it went to a program the
// hooks do not reach, or came while the gate kept the hooks quiet) would
// leave the gesture armed, and the next release anywhere would finish it
// (a keystroke to whatever has the focus, a swallowed release). So:
// - the gate (exclusions, pause, full screen) keeps gestures from starting
//   but lets a button message through to here while one is under way: the
//   gesture is called off and the message passes on untouched;
// - a press that does not arm a gesture calls off the ones armed before;
// - at a move, a gesture whose button is up (as of the move and now) and
//   whose release is not waiting in the thread's queue is called off.
// Calling off sends no keystroke, posts nothing to the program under the
// pointer and replays nothing; a drag-to-scroll that scrolls is told its
// end, so the control program stops scrolling.
#pragma once

#include <cstdint>

#include "hooklib/core/Context.h"
#include "hooklib/core/HookInputs.h"

namespace quorvel {

enum GestureKind : uint32_t {
    GESTURE_RIGHT_DRAG = 1,   // IERButtonDown
    GESTURE_MIDDLE = 2,       // MButtonDownPending
    GESTURE_CHORD = 4,        // ChordPending, ChordSecondUpPending
    GESTURE_DRAG_SCROLL = 8,  // DragScrollState
    GESTURE_ALL = 15,
};

// The gestures of the record that wait for their end.
uint32_t GesturesUnderWay(const SharedState& s);

// Calls off those of `which` that are under way; one log line says which
// and why. `at` is where the pointer is (for a drag-to-scroll's end).
void CallOffGestures(Context& ctx, uint32_t which, const char* why, Point at);

// A button message the gate keeps out: everything under way is called off.
void CallOffAtGatedButton(Context& ctx, const MouseHookInput& in);

// At a press: the gestures this press does not (re)arm are called off.
void CallOffAtPress(Context& ctx, const MouseHookInput& in);

// At a move: the gestures whose buttons are no longer down are called off.
void CallOffReleasedGestures(Context& ctx, Point at);

}  // namespace quorvel
