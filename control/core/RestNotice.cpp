#include "RestNotice.h"

#include "common/Twips.h"

namespace quorvel {

NoticePlacement PlaceNotice(double outerWidthTwips, double outerHeightTwips, int screenWidthPixels,
                            int pixelsPerInchX, int pixelsPerInchY) {
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
