#include "control/core/RestPromptWait.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Ticks of the one-second timer until the reminder shows; the user's last
// click or key press is given per tick as an age in milliseconds.
template <typename AgeAtTick>
int TicksUntilReminder(RestPromptWait& wait, uint32_t start, AgeAtTick ageAtTick) {
    for (int tick = 1; tick <= 100; ++tick) {
        const uint32_t now = start + tick * PROMPT_USER_TO_REST_INTERVAL_MS;
        if (wait.OnPromptTick(now, now - ageAtTick(tick))) return tick;
    }
    return -1;
}

TEST(RestPromptWait, UserTypingWithoutPauseSeesTheReminderAtThe32ndTick) {
    RestPromptWait wait;
    ASSERT_TRUE(wait.OnMonitorTick(1));
    EXPECT_EQ(TicksUntilReminder(wait, 1000, [](int) { return 100u; }), 32);
    EXPECT_FALSE(wait.Waiting());
}

TEST(RestPromptWait, UserPausingMoreThan4SecondsSeesItAtTheNextTick) {
    RestPromptWait wait;
    wait.OnMonitorTick(1);
    EXPECT_EQ(TicksUntilReminder(wait, 1000, [](int tick) { return tick < 5 ? 0u : 4001u; }), 5);
    // Exactly 4 s is not yet a pause.
    wait.OnMonitorTick(1);
    EXPECT_EQ(TicksUntilReminder(wait, 1000, [](int tick) { return tick < 3 ? 4000u : 4001u; }), 3);
}

TEST(RestPromptWait, TheReminderWaitsWhileAFullScreenProgramIsInFront) {
    RestPromptWait wait;
    wait.OnMonitorTick(1);
    for (uint32_t tick = 1; tick <= 40; ++tick) EXPECT_FALSE(wait.OnPromptTick(tick * 1000, 0, true)) << tick;
    EXPECT_TRUE(wait.Waiting());
    EXPECT_TRUE(wait.OnPromptTick(41000, 0, false)) << "at the first tick after it";
}

TEST(RestPromptWait, NoReportNoWait) {
    RestPromptWait wait;
    EXPECT_FALSE(wait.OnMonitorTick(0));
    EXPECT_FALSE(wait.OnPromptTick(100000, 0));
}

TEST(RestPromptWait, NewReportWhileWaitingRestartsTheWait) {
    RestPromptWait wait;
    wait.OnMonitorTick(1);
    for (int tick = 1; tick <= 20; ++tick) wait.OnPromptTick(tick * 1000, tick * 1000);
    EXPECT_EQ(wait.WaitedMs(), 20000);
    EXPECT_TRUE(wait.OnMonitorTick(0));  // no report: the wait goes on
    EXPECT_EQ(wait.WaitedMs(), 20000);
    EXPECT_TRUE(wait.OnMonitorTick(1));
    EXPECT_EQ(wait.WaitedMs(), 0);
}

TEST(RestPromptWait, TickDifferencesSurviveTheWrapOfTheTickCount) {
    EXPECT_EQ(TickDifference(5000, 0xFFFFF000u), 5000 + 0x1000);
    EXPECT_EQ(TickDifference(100, 200), -100);  // a click recorded just after "now"
    RestPromptWait wait;
    wait.OnMonitorTick(1);
    // Typing across the wrap: no reminder before the 32nd tick.
    EXPECT_EQ(TicksUntilReminder(wait, 0xFFFFF000u, [](int) { return 10u; }), 32);
    // A last action stamped slightly after "now" is no pause.
    wait.OnMonitorTick(1);
    EXPECT_FALSE(wait.OnPromptTick(0xFFFFFFF0u, 0x00000010u));
    // A pause across the wrap is seen.
    EXPECT_TRUE(wait.OnPromptTick(0x00001000u, 0xFFFFF000u));
}

}  // namespace
}  // namespace quorvel
