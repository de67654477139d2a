// Auto click: the small "Click" box that appears beside the pointer. Moving
// onto the box and holding still for 600 ms hides it and clicks where the
// pointer rested when the box appeared; a box the pointer never reaches
// goes away after 2 s without a click. The box's window, its timers and
// the click are behind AutoClickView.
#pragma once

#include <cstdint>
#include <string>

#include "InstanceHandOver.h"

namespace quorvel {

constexpr unsigned AUTO_CLICK_HIDE_MS = 2000;  // HideTimer
constexpr unsigned AUTO_CLICK_REST_MS = 600;   // ClickTimer
constexpr int AUTO_CLICK_OFFSET = 10;          // box corner to cursor, pixels
constexpr int AUTO_CLICK_WIDTH_TWIPS = 768;
constexpr int AUTO_CLICK_HEIGHT_TWIPS = 552;

struct ScreenRect {
    int left;
    int top;
    int right;  // exclusive
    int bottom;
};

// The box's top left corner: 10 pixels right of and below the cursor. A
// box that would leave the cursor's monitor there goes to the other side
// of the cursor instead (left of it, above it), so that it can be reached
// near the right and bottom edges (the task bar) too.
ScreenPoint PlaceAutoClickBox(const ScreenPoint& cursor, int width, int height, const ScreenRect& monitor);

enum class AutoClickTimer { Click, Hide };

class AutoClickView {
public:
    virtual ~AutoClickView() = default;
    virtual ScreenPoint CursorPos() = 0;
    virtual bool BoxShown() = 0;
    // Shows the box on top of every window, beside the cursor at `cursor`.
    virtual void ShowBox(const ScreenPoint& cursor) = 0;
    virtual void HideBox() = 0;
    // Starts the timer over: it ticks `ms` from now, then every `ms`.
    virtual void StartTimer(AutoClickTimer timer, unsigned ms) = 0;
    virtual void StopTimer(AutoClickTimer timer) = 0;
    virtual void SimulateClick(int x, int y) = 0;
    // Never fails for its callers: a trace that cannot be written is left out.
    virtual void DebugLine(const std::string& text) = 0;
};

class AutoClickBox {
public:
    explicit AutoClickBox(AutoClickView& view) : view_(view) {}

    // AUTO_CLICK_MESSAGE: shows the box; a box already shown keeps its place
    // and its timers.
    void ProcessAutoClickActivate();
    // The mouse moved over the box's own surface (not over Label1).
    void OnMouseMove();
    void OnClickTimer();
    void OnHideTimer();

    int ClickX() const { return ClickX_; }
    int ClickY() const { return ClickY_; }

private:
    AutoClickView& view_;
    int ClickX_ = 0;
    int ClickY_ = 0;
};

}  // namespace quorvel
