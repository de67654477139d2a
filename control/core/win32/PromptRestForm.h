// "FormPromptRest": the notice that slides down at the top right corner of
// the screen, blinks its text after 3 s and slides back up 3 s later,
// unless the user dismisses it with "OK".
#pragma once

#include "Form.h"
#include "FormTimer.h"
#include "control/core/Clock.h"
#include "control/core/RestNotice.h"

namespace quorvel {

class PromptRestForm : public Form, private NoticeWindow {
public:
    explicit PromptRestForm(Clock& clock);
    void PromptUserToRest();

protected:
    void OnLoad() override;
    void OnClick(int control) override;

private:
    NoticePlacement Placement() const;
    void SlideWindow(bool show);
    void OnTimerDelay();

    // NoticeWindow
    void MoveNotice(int left, int top, int width, int height) override;
    void ShowPrompt(bool shown) override;
    void HandlePendingMessages() override;

    Clock& clock_;
    RestNotice notice_;
    NoticePlacement place_{0, 0, 0, 0};  // of the current showing
    FormTimer TimerDelay;
};

}  // namespace quorvel
