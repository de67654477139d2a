#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "control/core/HookSets.h"

namespace quorvel {
namespace {

// Records the order of the steps.
struct FakeHost : HookHost {
    uint32_t startResult = 1;
    bool wanted = true;
    bool running = false;
    std::string steps;
    uint32_t RunStartHook() override {
        steps += "start32 ";
        return startResult;
    }
    uint32_t RunStopHook() override {
        steps += "stop32 ";
        return 1;
    }
    bool HelperWanted() override { return wanted; }
    bool StartHelper() override {
        steps += "helper ";
        running = true;
        return true;
    }
    bool StopHelper(uint32_t waitMs) override {
        steps += "endhelper(" + std::to_string(waitMs) + ") ";
        running = false;
        return true;
    }
    bool HelperRunning() override { return running; }
};

TEST(HookSets, TheHelperStartsAfterAndEndsBeforeTheThirtyTwoBitHooks) {
    struct Case {
        uint32_t startResult;
        bool wanted;
        const char* steps;
    };
    const Case cases[] = {
        {1, true, "start32 helper endhelper(3000) stop32 "},
        {1, false, "start32 stop32 "},  // no helper beside, or 32-bit Windows
        {0, true, "start32 stop32 "},   // hooks failed: no helper
    };
    for (const Case& c : cases) {
        FakeHost host;
        host.startResult = c.startResult;
        host.wanted = c.wanted;
        EXPECT_EQ(StartHookSets(host), c.startResult);
        EXPECT_EQ(StopHookSets(host, 3000), 1u);
        EXPECT_EQ(host.steps, c.steps);
    }
}

// A helper whose thread has its queue `queueAtMs` after the stop begins
// (never when negative) and which ends `endsAfterMs` after taking the stop
// message (never when negative).
struct FakeHelper : HelperProcess {
    FakeHelper(FakeClock& clock, int queueAtMs, int endsAfterMs)
        : clock(clock), start(clock.now), queueAtMs(queueAtMs), endsAfterMs(endsAfterMs) {}
    bool PostStop() override {
        ++posts;
        if (queueAtMs < 0 || clock.now - start < static_cast<uint32_t>(queueAtMs)) return false;
        if (endsAfterMs >= 0) endsAt = clock.now - start + endsAfterMs;
        return true;
    }
    bool WaitForEnd(uint32_t ms) override {
        const uint32_t at = clock.now - start;
        if (endsAt >= 0 && static_cast<uint32_t>(endsAt) <= at + ms) {
            if (static_cast<uint32_t>(endsAt) > at) clock.now = start + endsAt;
            return true;
        }
        clock.now += ms;
        return false;
    }
    FakeClock& clock;
    uint32_t start;
    int queueAtMs, endsAfterMs;
    int endsAt = -1;
    int posts = 0;
};

TEST(HookSets, TheHelperIsAskedAgainUntilItsQueueTakesTheStopAllWithinOneWait) {
    struct Case {
        uint32_t clockStart;
        int queueAtMs, endsAfterMs;
        bool ended;
        int posts;
        uint32_t waitedMs;
    };
    const Case cases[] = {
        {1000, 0, 500, true, 1, 500},          // takes the stop at once
        {1000, 50, 100, true, 4, 160},         // queue made after 50 ms: posted at 0, 20, 40, 60
        {0xFFFFFFF0u, 50, 100, true, 4, 160},  // the same across the wrap of the tick count
        {1000, 0, -1, false, 1, 3000},         // hangs: the whole wait, then ended by force
        {1000, -1, -1, false, 150, 3000},      // never makes a queue: asked every 20 ms
    };
    for (const Case& c : cases) {
        FakeClock clock(c.clockStart);
        FakeHelper helper(clock, c.queueAtMs, c.endsAfterMs);
        EXPECT_EQ(WaitForHelperToEnd(helper, clock, 3000), c.ended) << c.queueAtMs << " " << c.endsAfterMs;
        EXPECT_EQ(helper.posts, c.posts);
        EXPECT_EQ(clock.now - c.clockStart, c.waitedMs);
    }
}

// The helper watched while the hooks run (running, quiet time: step): ended
// once, it is started again; ended again or not started again, the user is
// told once, never over a full-screen program.
TEST(HookSets, AHelperThatEndsIsStartedAgainOnceThenTheUserIsTold) {
    using W = HelperWatchStep;
    struct Check {
        bool running, quiet;
        W step;
    };
    const Check once[] = {{true, false, W::Nothing}, {false, false, W::Restart}, {true, false, W::Nothing}};
    const Check twice[] = {{false, false, W::Restart}, {true, false, W::Nothing}, {false, false, W::TellUser}};
    const Check quiet[] = {{false, true, W::Restart}, {false, true, W::Nothing}, {false, false, W::TellUser}};
    const std::vector<std::vector<Check>> cases = {
        {std::begin(once), std::end(once)}, {std::begin(twice), std::end(twice)}, {std::begin(quiet), std::end(quiet)}};
    for (const std::vector<Check>& checks : cases) {
        HelperWatch watch;
        for (const Check& k : checks) EXPECT_EQ(watch.OnCheck(k.running, k.quiet), k.step);
    }
}

}  // namespace
}  // namespace quorvel
