#include "RestPromptWait.h"

namespace quorvel {

bool RestPromptWait::OnMonitorTick(uint32_t shouldRest) {
    if (shouldRest == 1) {
        WaitedMs_ = 0;
        waiting_ = true;
    }
    return waiting_;
}

bool RestPromptWait::OnPromptTick(uint32_t now, uint32_t lastClickOrKeyTime, bool quietTime) {
    if (!waiting_ || quietTime) return false;
    if (TickDifference(now, lastClickOrKeyTime) > QUIET_PAUSE_MS || WaitedMs_ > LONGEST_WAIT_MS) {
        waiting_ = false;
        return true;
    }
    WaitedMs_ += static_cast<int32_t>(PROMPT_USER_TO_REST_INTERVAL_MS);
    return false;
}

}  // namespace quorvel
