#include "PromptRestForm.h"

#include "control/core/FormTables.h"
#include "MessageLoop.h"

namespace quorvel {

PromptRestForm::PromptRestForm(Clock& clock)
    : Form(PromptRestFormTable()),
      clock_(clock),
      TimerDelay(*this, NOTICE_DELAY_MS, false, [this] { OnTimerDelay(); }) {}

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
    SlideNotice(*this, clock_, place_, show);
    SetControlEnabled(PromptCommandOK, true);
}

void PromptRestForm::MoveNotice(int left, int top, int width, int height) {
    MoveWindow(Window(), left, top, width, height, TRUE);
}

void PromptRestForm::ShowPrompt(bool shown) { SetControlVisible(LabelPrompt, shown); }

void PromptRestForm::HandlePendingMessages() { ProcessPendingMessages(); }

void PromptRestForm::OnTimerDelay() {
    switch (notice_.OnDelayTick()) {
        case NoticeDelayAction::Nothing: break;
        case NoticeDelayAction::Blink:
            TimerDelay.SetEnabled(false);
            BlinkPrompt(*this, clock_);
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
