#include "PromptRestForm.h"

#include "control/core/FormTables.h"
#include "MessageLoop.h"

namespace quorvel {

namespace {
void PauseMs(unsigned ms) {
  ProcessPendingMessages();
  Sleep(ms);
}
}  // namespace

PromptRestForm::PromptRestForm()
    : Form(PromptRestFormTable()), TimerDelay(*this, NoticeDelayMs, false, [this] { OnTimerDelay(); }) {}

// The work area of the monitor under the pointer (the primary one when
// the pointer cannot be read).
NoticePlacement PromptRestForm::Placement() const {
  POINT pointer{0, 0};
  GetCursorPos(&pointer);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  NoticeArea area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info)) {
    area = NoticeArea{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  }
  return PlaceNoticeIn(area, WidthTwips(), HeightTwips(), DpiX(), DpiY());
}

// Waits above the top edge of the screen, so that it never shows elsewhere.
void PromptRestForm::OnLoad() {
  const NoticePlacement place = Placement();
  MoveWindow(Window(), place.left, place.top - place.height, place.width, place.height, FALSE);
}

void PromptRestForm::PromptUserToRest() {
  if (!Loaded()) return;
  // The user may still be typing: the keys must not go to the notice.
  ShowWithoutActivating();
  notice_.OnShow();
  // The delay counts from the end of this slide, whatever an earlier
  // showing left running: a tick during the slide would blink it half in.
  TimerDelay.SetEnabled(false);
  SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SlideWindow(true);
  TimerDelay.SetEnabled(true);
}

// "OK" stays disabled while the notice slides: the slide handles window
// messages, and a click must not start a second slide inside it.
void PromptRestForm::SlideWindow(bool show) {
  SetControlEnabled(PromptCommandOK, false);
  // It slides out where it slid in, wherever the pointer went meanwhile.
  if (show) place_ = Placement();
  const NoticePlacement place = place_;
  for (int step = 0; step < SlideStepCount(place.height); ++step) {
    MoveWindow(Window(), place.left, place.top + SlideStepTop(step, place.height, show), place.width, place.height,
               TRUE);
    PauseMs(SlideStepSleepMs);
  }
  SetControlEnabled(PromptCommandOK, true);
}

void PromptRestForm::BlinkPrompt() {
  for (int blink = 0; blink < BlinkCount; ++blink) {
    SetControlVisible(LabelPrompt, false);
    PauseMs(BlinkHiddenMs);
    SetControlVisible(LabelPrompt, true);
    PauseMs(BlinkShownMs);
  }
}

void PromptRestForm::OnTimerDelay() {
  switch (notice_.OnDelayTick()) {
    case NoticeDelayAction::Nothing: break;
    case NoticeDelayAction::Blink:
      TimerDelay.SetEnabled(false);
      BlinkPrompt();
      TimerDelay.SetEnabled(true);  // the next tick comes 3 s after the blinking
      break;
    case NoticeDelayAction::SlideOut:
      TimerDelay.SetEnabled(false);
      SlideWindow(false);
      Hide();
      break;
  }
}

void PromptRestForm::OnClick(int control) {
  if (control != PromptCommandOK) return;
  TimerDelay.SetEnabled(false);
  notice_.OnUserClosed();
  SlideWindow(false);
  Hide();
}

}  // namespace quorvel
