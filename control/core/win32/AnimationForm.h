// "AnimationForm": tells the user that the program has started, then, on
// the first start after installation, offers the shortcuts tutorial.
#pragma once

#include "Form.h"
#include "FormTimer.h"
#include "control/core/StartAnimation.h"

namespace quorvel {

class AnimationForm : public Form {
public:
    AnimationForm();
    void ShowStart();

protected:
    void OnLoad() override;
    void OnPaint(HDC dc, const RECT& client) override;

private:
    void OnTimerAnimation();
    void OnTimerControlWindow();
    void OfferTutorial();

    StartCaption caption_;
    double DesignHeight = 0;
    OwnedFont bannerFont_;
    FormTimer TimerAnimation;
    FormTimer TimerControlWindow;
};

}  // namespace quorvel
