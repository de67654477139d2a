// A clock whose time moves only when it is paused (or when a test moves it).
#pragma once

#include <vector>

#include "control/core/Clock.h"

namespace quorvel {

class FakeClock : public Clock {
public:
    explicit FakeClock(uint32_t start = 0) : now(start) {}
    uint32_t NowMs() override { return now; }
    void PauseMs(uint32_t ms) override {
        pauses.push_back(ms);
        now += ms;
    }

    uint32_t now;
    std::vector<uint32_t> pauses;
};

}  // namespace quorvel
