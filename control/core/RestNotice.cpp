#include "RestNotice.h"

#include "common/Twips.h"

namespace quorvel {

NoticePlacement PlaceNotice(double outerWidthTwips, double outerHeightTwips, int screenWidthPixels, int pixelsPerInchX,
                            int pixelsPerInchY) {
    const int width = TwipsToPixels(outerWidthTwips, pixelsPerInchX);
    const int height = TwipsToPixels(outerHeightTwips, pixelsPerInchY);
    return {screenWidthPixels - width, width, height};
}

NoticePlacement PlaceNoticeIn(const NoticeArea& area, double outerWidthTwips, double outerHeightTwips,
                              int pixelsPerInchX, int pixelsPerInchY) {
    NoticePlacement place = PlaceNotice(outerWidthTwips, outerHeightTwips, area.right, pixelsPerInchX, pixelsPerInchY);
    place.top = area.top;
    return place;
}

int SlideStepCount(int height) { return height + 1; }

int SlideStepTop(int step, int height, bool show) { return show ? step - height : -step; }

namespace {
void PauseNotice(NoticeWindow& window, Clock& clock, unsigned ms) {
    window.HandlePendingMessages();
    clock.PauseMs(ms);
}
}  // namespace

void SlideNotice(NoticeWindow& window, Clock& clock, NoticePlacement place, bool show) {
    for (int step = 0; step < SlideStepCount(place.height); ++step) {
        window.MoveNotice(place.left, place.top + SlideStepTop(step, place.height, show), place.width, place.height);
        PauseNotice(window, clock, SLIDE_STEP_SLEEP_MS);
    }
}

void BlinkPrompt(NoticeWindow& window, Clock& clock) {
    for (int blink = 0; blink < BLINK_COUNT; ++blink) {
        window.ShowPrompt(false);
        PauseNotice(window, clock, BLINK_HIDDEN_MS);
        window.ShowPrompt(true);
        PauseNotice(window, clock, BLINK_SHOWN_MS);
    }
}

void RestNotice::OnShow() {
    ClosedByUser_ = false;
    BlinkDone_ = false;
}

NoticeDelayAction RestNotice::OnDelayTick() {
    if (ClosedByUser_) return NoticeDelayAction::Nothing;
    if (!BlinkDone_) {
        BlinkDone_ = true;
        return NoticeDelayAction::Blink;
    }
    return NoticeDelayAction::SlideOut;
}

}  // namespace quorvel
