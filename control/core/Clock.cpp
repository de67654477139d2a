#include "Clock.h"

namespace quorvel {

int32_t TickDifference(uint32_t now, uint32_t earlier) { return static_cast<int32_t>(now - earlier); }

bool PollUntil(Clock& clock, uint32_t timeoutMs, uint32_t stepMs, const std::function<bool()>& done) {
    const uint32_t start = clock.NowMs();
    for (;;) {
        if (done()) return true;
        const uint32_t waited = clock.NowMs() - start;  // right across the wrap too
        if (waited >= timeoutMs) return false;
        const uint32_t left = timeoutMs - waited;
        clock.PauseMs(left < stepMs ? left : stepMs);
    }
}

}  // namespace quorvel
