#include "control/core/DwellDetector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

// A stretch of time with the pointer at one place; flags: b a button is
// held, o over Quorvel's own windows, s the box is shown, p paused, k a key
// pressed (or a click made) as the stretch begins.
struct Stretch {
    unsigned ms;
    int x, y;
    std::string flags;
};

// Samples every DwellSampleMs from `start`; the times (from start) at which
// the box was to open.
std::vector<unsigned> Fires(const std::vector<Stretch>& stretches, uint32_t start = 0) {
    DwellDetector dwell;
    std::vector<unsigned> fires;
    unsigned t = 0;
    uint32_t lastKey = 5;
    for (const Stretch& s : stretches) {
        auto has = [&](char flag) { return s.flags.find(flag) != std::string::npos; };
        if (has('k')) lastKey = start + t;
        for (const unsigned end = t + s.ms; t < end; t += DWELL_SAMPLE_MS) {
            if (dwell.OnSample({start + t, {s.x, s.y}, has('b'), has('o'), has('s'), has('p'), lastKey})) {
                fires.push_back(t);
            }
        }
    }
    return fires;
}

TEST(DwellDetector, OpensTheBoxOnceAfterMovingAndResting) {
    const struct {
        const char* name;
        std::vector<Stretch> stretches;
        std::vector<unsigned> fires;
    } cases[] = {
        {"a pointer that never moved opens nothing", {{5000, 10, 10}}, {}},
        {"a second after the last movement, once", {{300, 10, 10}, {5000, 300, 300}}, {1300}},
        {"a wobble of 4 pixels still rests",
         {{300, 10, 10}, {400, 300, 300}, {300, 304, 296}, {900, 297, 303}},
         {1300}},
        {"5 pixels is a movement", {{300, 10, 10}, {900, 300, 300}, {1500, 305, 300}}, {2200}},
        {"creeping never rests", {{100, 10, 10}, {600, 15, 10}, {600, 20, 10}, {600, 25, 10}, {600, 30, 10}}, {}},
        {"not while a button is held, nor after it without movement",
         {{300, 10, 10}, {500, 300, 300}, {1500, 300, 300, "b"}, {3000, 300, 300}},
         {}},
        {"a held button, then movement and rest", {{300, 10, 10}, {1500, 300, 300, "b"}, {1500, 350, 300}}, {2800}},
        {"not over Quorvel's own windows", {{300, 10, 10}, {1500, 300, 300, "o"}, {3000, 300, 300}}, {}},
        {"not while shown, nor at the spot the box clicked",
         {{300, 10, 10}, {1500, 300, 300, "s"}, {3000, 300, 300}, {1200, 100, 100}},
         {5800}},
        {"not while paused", {{300, 10, 10}, {3500, 300, 300, "p"}, {1100, 200, 200}}, {4800}},
        {"a pointer left resting while the user types opens nothing",
         {{300, 10, 10}, {500, 300, 300}, {400, 300, 300, "k"}, {400, 300, 300, "k"}, {3000, 300, 300}},
         {}},
        {"typing, then movement and rest", {{300, 10, 10}, {800, 300, 300, "k"}, {1500, 320, 300}}, {2100}},
    };
    for (const auto& c : cases) EXPECT_EQ(Fires(c.stretches), c.fires) << c.name;
    EXPECT_EQ(Fires({{300, 10, 10}, {3000, 300, 300}}, 0xFFFFFE00u), (std::vector<unsigned>{1300})) << "tick wrap";
}

}  // namespace
}  // namespace quorvel
