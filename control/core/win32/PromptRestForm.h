// "FormPromptRest": the notice that slides down at the top right corner of
// the screen, blinks its text after 3 s and slides back up 3 s later,
// unless the user dismisses it with "OK".
#pragma once

#include "Form.h"
#include "FormTimer.h"
#include "control/core/RestNotice.h"

namespace quorvel {

class PromptRestForm : public Form {
 public:
  PromptRestForm();
  void PromptUserToRest();

 protected:
  void OnLoad() override;
  void OnClick(int control) override;

 private:
  NoticePlacement Placement() const;
  void SlideWindow(bool show);
  void BlinkPrompt();
  void OnTimerDelay();

  RestNotice notice_;
  NoticePlacement place_{0, 0, 0, 0};  // of the current showing
  FormTimer TimerDelay;
};

}  // namespace quorvel
