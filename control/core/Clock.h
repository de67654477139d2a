// Time as the control program's shells take it: a millisecond count that
// wraps as GetTickCount does, and a pause. The Win32 half reads the tick
// count and sleeps (win32/Win32Clock.h); tests give a clock that moves only
// when it is paused.
#pragma once

#include <cstdint>
#include <functional>

namespace quorvel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t NowMs() = 0;
    virtual void PauseMs(uint32_t ms) = 0;
};

// now - earlier in milliseconds, correct across the wrap of GetTickCount
// after 49.7 days; an "earlier" that is in fact a little later gives a
// small negative value rather than a huge one.
int32_t TickDifference(uint32_t now, uint32_t earlier);

// Asks `done` every `stepMs` until it says yes or `timeoutMs` have passed;
// the last look is taken when the time is up. Returns the last answer.
bool PollUntil(Clock& clock, uint32_t timeoutMs, uint32_t stepMs, const std::function<bool()>& done);

}  // namespace quorvel
