#include "control/core/ExitRequest.h"

#include <gtest/gtest.h>

#include "FakeClock.h"

#include <string>
#include <vector>

namespace quorvel {
namespace {

TEST(ExitRequestTest, FindsTheSwitchAmongTheWords) {
    const struct {
        const char* commandLine;
        bool exit;
    } cases[] = {
        {"", false},         {"/exit", true},        {"/EXIT", true},     {"-Exit", true},
        {"  /exit  ", true}, {"/dwell /exit", true}, {"\"/exit\"", true}, {"/exitnow", false},
        {"exit", false},     {"/dwell", false},      {"C:\\exit", false}, {"/ex it", false},
    };
    for (const auto& c : cases) EXPECT_EQ(HasExitSwitch(c.commandLine), c.exit) << "[" << c.commandLine << "]";
    EXPECT_TRUE(HasCommandSwitch("/dwell /TakeOver", TAKE_OVER_SWITCH));
    EXPECT_FALSE(HasCommandSwitch("/exit", TAKE_OVER_SWITCH));
}

class FakeLink : public RunningInstanceLink {
public:
    RunningInstance running{false, 0, 0, 0};
    bool ends = true;
    std::vector<uint32_t> posted;
    uint32_t waitedMs = 0;

    RunningInstance FindRunningInstance() override { return running; }
    void PostToRunningInstance(uint32_t message) override { posted.push_back(message); }
    bool WaitForRunningInstanceToEnd(uint32_t timeoutMs) override {
        waitedMs = timeoutMs;
        return ends;
    }
};

TEST(ExitRequestTest, AsksOnlyAMarkedInstanceAndWaitsABoundedTime) {
    const struct {
        RunningInstance running;
        bool ends;
        ExitRequestResult result;
        bool posted;
        int exitCode;
    } cases[] = {
        {{false, 0, 0, 0}, true, ExitRequestResult::NoneRunning, false, 0},
        {{true, 0x12345678, 0, 0}, true, ExitRequestResult::NoneRunning, false, 0},  // not ours
        {{true, OWN_WINDOW_MARKER, 0, 0}, true, ExitRequestResult::Ended, true, 0},
        {{true, OWN_WINDOW_MARKER, 0, 0}, false, ExitRequestResult::StillRunning, true, 1},
    };
    for (const auto& c : cases) {
        FakeLink link;
        link.running = c.running;
        link.ends = c.ends;
        const ExitRequestResult result = AskRunningInstanceToExit(link, 2500);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(link.posted, c.posted ? std::vector<uint32_t>{0xC005} : std::vector<uint32_t>{});
        EXPECT_EQ(link.waitedMs, c.posted ? 2500u : 0u);
        EXPECT_EQ(ExitCodeOf(result), c.exitCode);
    }
}

TEST(ExitRequestTest, WithoutTheProcessItsWindowIsLookedAtEveryTenthOfASecondWithinTheTime) {
    constexpr uint32_t Never = 0xFFFFFFFFu;
    const struct {
        uint32_t windowGoesAtMs;
        uint32_t timeoutMs;
        bool gone;
        int looks;
        std::vector<uint32_t> pauses;
    } cases[] = {
        {0, 1000, true, 1, {}},
        {250, 1000, true, 4, {100, 100, 100}},
        {Never, 300, false, 4, {100, 100, 100}},
        {Never, 250, false, 4, {100, 100, 50}},  // the last pause ends with the time
    };
    for (const auto& c : cases) {
        FakeClock clock(0xFFFFFF80u);  // the tick count wraps meanwhile
        int looks = 0;
        const bool gone = PollUntil(clock, c.timeoutMs, RUNNING_WINDOW_LOOK_MS, [&] {
            ++looks;
            return clock.now - 0xFFFFFF80u >= c.windowGoesAtMs;
        });
        EXPECT_EQ(gone, c.gone) << c.windowGoesAtMs << " " << c.timeoutMs;
        EXPECT_EQ(looks, c.looks);
        EXPECT_EQ(clock.pauses, c.pauses);
    }
}

}  // namespace
}  // namespace quorvel
