// The main form's two rest-reminder timers. Once a minute the hook library
// is asked whether the user should rest; after a yes, a one-second timer
// waits for a pause of more than 4 s in clicking and typing, but no longer
// than about 30 s, before the reminder is shown.
#pragma once

#include <cstdint>

#include "Clock.h"

namespace quorvel {

constexpr uint32_t MONITOR_RSI_INTERVAL_MS = 60000;
constexpr uint32_t PROMPT_USER_TO_REST_INTERVAL_MS = 1000;
constexpr int32_t QUIET_PAUSE_MS = 4000;
constexpr int32_t LONGEST_WAIT_MS = 30000;

class RestPromptWait {
public:
    // TimerMonitorRSI: with a should-rest report (1) the wait starts, or
    // restarts if it was running. Returns whether TimerPromptUserToRest runs.
    bool OnMonitorTick(uint32_t shouldRest);

    // TimerPromptUserToRest: true when the reminder is to be shown now; the
    // wait is then over and the one-second timer is to be disabled. While a
    // full-screen program is in front (quietTime) the reminder waits.
    bool OnPromptTick(uint32_t now, uint32_t lastClickOrKeyTime, bool quietTime = false);

    bool Waiting() const { return waiting_; }
    int32_t WaitedMs() const { return WaitedMs_; }

private:
    bool waiting_ = false;
    int32_t WaitedMs_ = 0;
};

}  // namespace quorvel
