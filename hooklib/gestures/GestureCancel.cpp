#include "GestureCancel.h"

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/WinConstants.h"
#include "ButtonMessages.h"
#include "DragScrollSender.h"

namespace quorvel {
namespace {

bool Down(int16_t state) { return (static_cast<uint16_t>(state) & 0x8000u) != 0; }

// Up as of the message being handled and now, and no release of it waiting
// in this thread's queue (a busy program may handle a move after the button
// has come up, with the release still to come).
bool NoLongerDown(Context& ctx, int vk, uint32_t release, uint32_t nonClientRelease) {
    if (Down(ctx.input.GetKeyState(vk)) || Down(ctx.input.GetAsyncKeyState(vk))) return false;
    QueuedMessage queued;
    return !ctx.messages.PeekMessage(0, release, &queued) && !ctx.messages.PeekMessage(0, nonClientRelease, &queued);
}

// The key states report the physical buttons: with swapped buttons the
// logical right one is the physical left one.
int PhysicalKey(Context& ctx, bool logicalRight) {
    const bool swapped = ctx.system.GetSystemMetrics(win::SM_SWAPBUTTON) != 0;
    return logicalRight != swapped ? win::VK_RBUTTON : win::VK_LBUTTON;
}

bool RightReleased(Context& ctx) {
    return NoLongerDown(ctx, PhysicalKey(ctx, true), win::WM_RBUTTONUP, win::WM_NCRBUTTONUP);
}

bool LeftReleased(Context& ctx) {
    return NoLongerDown(ctx, PhysicalKey(ctx, false), win::WM_LBUTTONUP, win::WM_NCLBUTTONUP);
}

}  // namespace

uint32_t GesturesUnderWay(const SharedState& s) {
    uint32_t under = 0;
    if (s.IERButtonDown != 0) under |= GESTURE_RIGHT_DRAG;
    if (s.MButtonDownPending != 0) under |= GESTURE_MIDDLE;
    if (s.ChordPending != 0 || s.ChordSecondUpPending != 0) under |= GESTURE_CHORD;
    if (s.DragScrollState != DRAG_SCROLL_IDLE) under |= GESTURE_DRAG_SCROLL;
    return under;
}

void CallOffGestures(Context& ctx, uint32_t which, const char* why, Point at) {
    SharedState& s = ctx.shared;
    const uint32_t calledOff = which & GesturesUnderWay(s);
    if (calledOff == 0) return;
    if (calledOff & GESTURE_RIGHT_DRAG) s.IERButtonDown = 0;
    if (calledOff & GESTURE_MIDDLE) s.MButtonDownPending = 0;
    if (calledOff & GESTURE_CHORD) {
        s.ChordPending = 0;
        s.ChordSecondUpPending = 0;
        s.ChordReleaseMessage = 0;
    }
    if (calledOff & GESTURE_DRAG_SCROLL) CallOffDragScroll(ctx, at);
    WriteLogF(ctx, "Gesture called off, %s:%s%s%s%s", why, calledOff & GESTURE_RIGHT_DRAG ? " right drag" : "",
              calledOff & GESTURE_MIDDLE ? " middle drag" : "", calledOff & GESTURE_CHORD ? " chord" : "",
              calledOff & GESTURE_DRAG_SCROLL ? " drag to scroll" : "");
}

void CallOffAtGatedButton(Context& ctx, const MouseHookInput& in) {
    CallOffGestures(ctx, GESTURE_ALL, "the button went where Quorvel stays out", in.pt);
}

void CallOffAtPress(Context& ctx, const MouseHookInput& in) {
    uint32_t rearmed = 0;
    if (IsMiddlePress(in.message)) rearmed = GESTURE_MIDDLE | GESTURE_DRAG_SCROLL;
    // A right press over a page arms the drag anew; elsewhere the right
    // press itself calls it off (OnRightButtonDown).
    if (in.message == win::WM_RBUTTONDOWN) rearmed = GESTURE_RIGHT_DRAG;
    CallOffGestures(ctx, GESTURE_ALL & ~rearmed, "another button was pressed", in.pt);
}

void CallOffReleasedGestures(Context& ctx, Point at) {
    const SharedState& s = ctx.shared;
    const uint32_t under = GesturesUnderWay(s);
    uint32_t released = 0;
    if ((under & GESTURE_RIGHT_DRAG) && RightReleased(ctx)) released |= GESTURE_RIGHT_DRAG;
    if ((under & (GESTURE_MIDDLE | GESTURE_DRAG_SCROLL)) &&
        NoLongerDown(ctx, win::VK_MBUTTON, win::WM_MBUTTONUP, win::WM_NCMBUTTONUP)) {
        released |= GESTURE_MIDDLE | GESTURE_DRAG_SCROLL;
    }
    if ((under & GESTURE_CHORD) && LeftReleased(ctx) && RightReleased(ctx)) released |= GESTURE_CHORD;
    CallOffGestures(ctx, released, "its button is no longer down", at);
}

}  // namespace quorvel
