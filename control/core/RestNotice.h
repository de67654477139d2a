// The rest reminder notice: where it slides and what its delay timer does.
#pragma once

#include "Clock.h"

namespace quorvel {

constexpr unsigned NOTICE_DELAY_MS = 3000;
constexpr unsigned SLIDE_STEP_SLEEP_MS = 5;
constexpr int BLINK_COUNT = 3;
constexpr unsigned BLINK_HIDDEN_MS = 300;
constexpr unsigned BLINK_SHOWN_MS = 500;

// The notice's size in pixels and its left edge: flush with the right edge
// of the primary screen.
struct NoticePlacement {
    int left;
    int width;
    int height;
    int top = 0;  // where the notice rests; it slides in from above it
};

// The area the notice slides into: the work area (without the taskbar) of
// the monitor the user works on, the one under the pointer. Monitors left
// of or above the primary one have negative coordinates.
struct NoticeArea {
    int left, top, right, bottom;
};

// The notice in the top right corner of the area, flush with its right edge.
NoticePlacement PlaceNoticeIn(const NoticeArea& area, double outerWidthTwips, double outerHeightTwips,
                              int pixelsPerInchX, int pixelsPerInchY);

NoticePlacement PlaceNotice(double outerWidthTwips, double outerHeightTwips, int screenWidthPixels, int pixelsPerInchX,
                            int pixelsPerInchY);

// A slide has height + 1 steps; step i puts the top edge at i - height when
// showing (from just above the screen down to 0), at -i when hiding.
int SlideStepCount(int height);
int SlideStepTop(int step, int height, bool show);

// The notice's window as the slide and the blinking move it.
class NoticeWindow {
public:
    virtual ~NoticeWindow() = default;
    virtual void MoveNotice(int left, int top, int width, int height) = 0;
    virtual void ShowPrompt(bool shown) = 0;
    // Handles the messages waiting now; called before each pause, so that the
    // notice repaints while it moves.
    virtual void HandlePendingMessages() = 0;
};

// One slide of the notice into its place (show) or out of it, a step every
// SlideStepSleepMs. The place is a copy: a showing started by a message
// handled during the slide does not move this one.
void SlideNotice(NoticeWindow& window, Clock& clock, NoticePlacement place, bool show);
// The prompt hidden for BlinkHiddenMs and shown for BlinkShownMs, BlinkCount times.
void BlinkPrompt(NoticeWindow& window, Clock& clock);

enum class NoticeDelayAction { Nothing, Blink, SlideOut };

// The notice's state during one showing.
class RestNotice {
public:
    void OnShow();                    // a new showing starts
    NoticeDelayAction OnDelayTick();  // TimerDelay, every 3 s
    void OnUserClosed() { ClosedByUser_ = true; }

    bool ClosedByUser() const { return ClosedByUser_; }
    bool BlinkDone() const { return BlinkDone_; }

private:
    bool ClosedByUser_ = false;
    bool BlinkDone_ = false;
};

}  // namespace quorvel
