#include "StartAnimation.h"

namespace quorvel {

void StartCaption::Start() {
  Caption_ = StartingCaption;
  StartedShown_ = false;
}

bool StartCaption::OnTick() {
  if (StartedShown_) return false;
  Caption_ += CaptionDot;
  if (Caption_.find(SixDots) == std::string::npos) return false;
  StartedShown_ = true;
  Caption_ = StartedCaption;
  return true;
}

std::optional<double> ShrinkStep(double outerHeightTwips, double clientHeightTwips) {
  if (clientHeightTwips > ShrinkStepTwips) return outerHeightTwips - ShrinkStepTwips;
  return std::nullopt;
}

}  // namespace quorvel
