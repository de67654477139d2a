#include "RestPromptWait.h"

namespace quorvel {

bool RestPromptWait::OnMonitorTick(uint32_t shouldRest) {
  if (shouldRest == 1) {
    WaitedMs_ = 0;
    waiting_ = true;
  }
  return waiting_;
}

bool RestPromptWait::OnPromptTick(uint32_t now, uint32_t lastClickOrKeyTime) {
  if (!waiting_) return false;
  if (TickDifference(now, lastClickOrKeyTime) > QuietPauseMs || WaitedMs_ > LongestWaitMs) {
    waiting_ = false;
    return true;
  }
  WaitedMs_ += static_cast<int32_t>(PromptUserToRestIntervalMs);
  return false;
}

}  // namespace quorvel
