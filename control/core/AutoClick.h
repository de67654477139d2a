// Auto click: the small "Click" box that appears beside the pointer. Moving
// onto the box and holding still for 600 ms hides it and clicks where the
// pointer rested when the box appeared; a box the pointer never reaches
// goes away after 2 s without a click. A box that dwell opened never clicks
// once a key or button was pressed after it appeared: the user was busy
// elsewhere (Cursor Go Away may have glided the pointer onto it while the
// user typed). The box's window, its timers and the click are behind
// AutoClickView.
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
    // The time of the user's last click or key press as the hook library
    // records it (GetUserLastClickOrKeyTime).
    virtual uint32_t LastClickOrKeyTime() = 0;
    // Never fails for its callers: a trace that cannot be written is left out.
    virtual void DebugLine(const std::string& text) = 0;
};

class AutoClickBox {
public:
    explicit AutoClickBox(AutoClickView& view) : view_(view) {}

    // AUTO_CLICK_MESSAGE or the hotkey: shows the box; a box already shown
    // keeps its place and its timers.
    void ProcessAutoClickActivate();
    // The pointer dwelt: the same, but the box clicks only if no key or
    // button was pressed since.
    void OpenByDwell();
    // The click is to land at `point` (where the pointer was before the
    // notification icon's menu opened); the box shows beside it.
    void OpenAt(const ScreenPoint& point);
    // The mouse moved over the box's own surface (not over Label1), to
    // `at`. A report of no movement (some drivers and tablets send them)
    // does not start the count over.
    void OnMouseMove(const ScreenPoint& at);
    void OnClickTimer();
    void OnHideTimer();

    int ClickX() const { return ClickX_; }
    int ClickY() const { return ClickY_; }

private:
    void Open(const ScreenPoint& clickAt, bool byDwell);

    AutoClickView& view_;
    int ClickX_ = 0;
    int ClickY_ = 0;
    bool byDwell_ = false;
    uint32_t inputAtOpen_ = 0;  // LastClickOrKeyTime when the box opened
    bool moved_ = false;        // the pointer has moved over the box
    ScreenPoint lastMove_{0, 0};
};

}  // namespace quorvel
