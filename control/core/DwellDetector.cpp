#include "DwellDetector.h"

#include <cstdlib>

namespace quorvel {

void DwellDetector::RestartRest(const DwellSample& sample, bool moved) {
    started_ = true;
    moved_ = moved;
    anchor_ = sample.cursor;
    restStart_ = sample.now;
}

bool DwellDetector::OnSample(const DwellSample& sample) {
    const bool typed = sample.lastClickOrKey != lastClickOrKey_;
    lastClickOrKey_ = sample.lastClickOrKey;
    if (!started_) {
        RestartRest(sample, false);
        return false;
    }
    if (typed || sample.buttonHeld || sample.overOwnWindow || sample.boxShown || sample.paused) {
        RestartRest(sample, false);
        return false;
    }
    const bool still = std::abs(sample.cursor.x - anchor_.x) <= DWELL_JITTER_PIXELS &&
                       std::abs(sample.cursor.y - anchor_.y) <= DWELL_JITTER_PIXELS;
    if (!still) {
        RestartRest(sample, true);
        return false;
    }
    // Plain 32-bit subtraction: right across the wrap of the tick count.
    if (moved_ && sample.now - restStart_ >= DWELL_MS) {
        RestartRest(sample, false);
        return true;
    }
    return false;
}

}  // namespace quorvel
