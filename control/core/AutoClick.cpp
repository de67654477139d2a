#include "AutoClick.h"

namespace quorvel {

namespace {

// One axis: after the cursor when the box fits there, else before it.
int PlaceOnAxis(int cursor, int size, int low, int high) {
    const int after = cursor + AUTO_CLICK_OFFSET;
    if (after + size <= high) return after;
    const int before = cursor - AUTO_CLICK_OFFSET - size;
    return before >= low ? before : after;
}

}  // namespace

ScreenPoint PlaceAutoClickBox(const ScreenPoint& cursor, int width, int height, const ScreenRect& monitor) {
    return {PlaceOnAxis(cursor.x, width, monitor.left, monitor.right),
            PlaceOnAxis(cursor.y, height, monitor.top, monitor.bottom)};
}

void AutoClickBox::ProcessAutoClickActivate() { Open(view_.CursorPos(), false); }

void AutoClickBox::OpenByDwell() { Open(view_.CursorPos(), true); }

void AutoClickBox::OpenAt(const ScreenPoint& point) { Open(point, false); }

void AutoClickBox::Open(const ScreenPoint& clickAt, bool byDwell) {
    if (view_.BoxShown()) return;
    ClickX_ = clickAt.x;
    ClickY_ = clickAt.y;
    byDwell_ = byDwell;
    inputAtOpen_ = view_.LastClickOrKeyTime();
    moved_ = false;
    view_.ShowBox(clickAt);
    view_.DebugLine("x : " + std::to_string(ClickX_) + " y : " + std::to_string(ClickY_));
    view_.StartTimer(AutoClickTimer::Hide, AUTO_CLICK_HIDE_MS);
}

// A movement still queued when the box went away is no longer over it.
void AutoClickBox::OnMouseMove(const ScreenPoint& at) {
    if (!view_.BoxShown()) return;
    if (moved_ && at.x == lastMove_.x && at.y == lastMove_.y) return;
    moved_ = true;
    lastMove_ = at;
    view_.DebugLine("Move in auto click form");
    view_.StopTimer(AutoClickTimer::Hide);
    view_.StartTimer(AutoClickTimer::Click, AUTO_CLICK_REST_MS);
}

// The timer is stopped first: nothing the click or the trace does may let
// it tick a second time. The box goes before the click, so that the click
// reaches the window beneath it.
void AutoClickBox::OnClickTimer() {
    view_.StopTimer(AutoClickTimer::Click);
    view_.HideBox();
    if (byDwell_ && view_.LastClickOrKeyTime() != inputAtOpen_) {
        view_.DebugLine("No auto click: a key or button was pressed after the box opened");
        return;
    }
    view_.SimulateClick(ClickX_, ClickY_);
    view_.DebugLine("SimulateClick x : " + std::to_string(ClickX_) + " y : " + std::to_string(ClickY_));
}

void AutoClickBox::OnHideTimer() {
    view_.DebugLine("Hider timer out");
    view_.HideBox();
    view_.StopTimer(AutoClickTimer::Hide);
}

}  // namespace quorvel
