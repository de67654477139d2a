#include "StartAnimation.h"

namespace quorvel {

void StartCaption::Start() {
    Caption_ = STARTING_CAPTION;
    StartedShown_ = false;
}

bool StartCaption::OnTick() {
    if (StartedShown_) return false;
    Caption_ += CAPTION_DOT;
    if (Caption_.find(SIX_DOTS) == std::string::npos) return false;
    StartedShown_ = true;
    Caption_ = STARTED_CAPTION;
    return true;
}

std::optional<double> ShrinkStep(double outerHeightTwips, double clientHeightTwips) {
    if (clientHeightTwips > SHRINK_STEP_TWIPS) return outerHeightTwips - SHRINK_STEP_TWIPS;
    return std::nullopt;
}

}  // namespace quorvel
