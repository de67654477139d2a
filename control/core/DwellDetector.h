// Dwell: the pointer has moved and then rests (within a few pixels) for
// about a second: the auto-click box is to open there. Fed by a cheap timer
// of the control program that reads the cursor; with dwell off that timer
// does not run at all.
#pragma once

#include <cstdint>

#include "InstanceHandOver.h"

namespace quorvel {

constexpr unsigned DWELL_MS = 1000;
constexpr int DWELL_JITTER_PIXELS = 4;     // a rest may wobble this far from where it began
constexpr unsigned DWELL_SAMPLE_MS = 100;  // how often the timer reads the cursor

struct DwellSample {
    uint32_t now;  // GetTickCount
    ScreenPoint cursor;
    bool buttonHeld;     // any mouse button is down
    bool overOwnWindow;  // the pointer is on one of Quorvel's windows (the box too)
    bool boxShown;
    bool paused;
    uint32_t lastClickOrKey;  // the hook library's time of the last click or key press
};

class DwellDetector {
public:
    // Returns true when the box is to open now. A rest fires once; the next
    // needs the pointer to move again. A held button, Quorvel's own windows,
    // a shown box or a pause end the rest and need new movement too: a
    // manual click, or the click the box itself made, is not followed by a
    // box at the same spot. So does a key or click anywhere: a pointer left
    // resting while the user types is no dwell.
    bool OnSample(const DwellSample& sample);
    // Starts over, as if the pointer had not moved yet (dwell switched on).
    void Reset() { started_ = false; }

private:
    void RestartRest(const DwellSample& sample, bool moved);

    bool started_ = false;
    bool moved_ = false;
    ScreenPoint anchor_{0, 0};
    uint32_t restStart_ = 0;
    uint32_t lastClickOrKey_ = 0;
};

}  // namespace quorvel
