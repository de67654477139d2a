#include "hooklib/windowhooks/ActivityMonitor.h"

#include <gtest/gtest.h>

#include "WindowHooksDesktop.h"
#include "hooklib/core/Constants.h"

namespace quorvel::testing {
namespace {

class ActivityMonitorTest : public ::testing::Test {
protected:
    struct Report {
        int rest;
        uint32_t keys, clicks, distance, minutes;
    };
    Report Close() {
        Report r{0, 0, 0, 0, 0};
        r.rest = UserShouldRest(lib.ctx, &r.keys, &r.clicks, &r.distance, &r.minutes);
        return r;
    }
    void Releases(int keys, int clicks) {
        for (int i = 0; i < keys; ++i) RecordUserAction(lib.ctx, ACTION_KEY, 0, 0, 0, 0);
        for (int i = 0; i < clicks; ++i) RecordUserAction(lib.ctx, ACTION_CLICK, 0, 0, 0, 0);
    }
    FakeLibrary lib;
};

TEST_F(ActivityMonitorTest, MoreThan2400ReleasesProposeARest) {
    Releases(1400, 1000);
    Report r = Close();
    EXPECT_EQ(r.rest, 0);
    EXPECT_EQ(r.keys, 1400u);
    EXPECT_EQ(r.clicks, 1000u);
    EXPECT_EQ(r.minutes, 1u);

    Releases(1, 0);  // 2401 in the period of two minutes
    r = Close();
    EXPECT_EQ(r.rest, 1);
    EXPECT_EQ(r.keys, 1401u);
    EXPECT_EQ(r.minutes, 2u);

    // The next period starts with the new minute.
    Releases(3, 2);
    r = Close();
    EXPECT_EQ(r.rest, 0);
    EXPECT_EQ(r.keys, 3u);
    EXPECT_EQ(r.clicks, 2u);
    EXPECT_EQ(r.minutes, 1u);
}

TEST_F(ActivityMonitorTest, PointerTravelIsReportedButNeverCallsForARest) {
    for (int i = 0; i < 3000; ++i) RecordUserAction(lib.ctx, ACTION_MOVE, 0, 0, 3, 4);  // 5 px each
    RecordUserAction(lib.ctx, ACTION_MOVE, -1, -1, 400, 300);                           // a jump: not travel
    RecordUserAction(lib.ctx, ACTION_MOVE, 0, 0, 299, 0);
    Report r = Close();
    EXPECT_EQ(r.rest, 0);
    EXPECT_EQ(r.distance, 15299u);
    EXPECT_EQ(lib.shared.LastClickOrKeyTime, 0u);  // movement is no click or key
}

TEST_F(ActivityMonitorTest, TheSixtiethMinuteProposesARestWithoutActivity) {
    for (int i = 0; i < 59; ++i) EXPECT_EQ(Close().rest, 0) << i;
    Report r = Close();
    EXPECT_EQ(r.rest, 1);
    EXPECT_EQ(r.minutes, 60u);
    EXPECT_EQ(Close().minutes, 1u);
}

TEST_F(ActivityMonitorTest, ThirtyIdleMinutesStartANewPeriodAtTheNextAction) {
    Releases(5, 0);
    for (int i = 0; i < 30; ++i) Close();  // minute 30, last action in minute 0
    RecordUserAction(lib.ctx, ACTION_CLICK, 0, 0, 0, 0);
    EXPECT_EQ(lib.shared.PeriodStartMinute, 30u);
    Report r = Close();
    EXPECT_EQ(r.keys, 0u);
    EXPECT_EQ(r.clicks, 1u);
    EXPECT_EQ(r.minutes, 1u);

    // 29 idle minutes keep the period; 30 more start the next one.
    lib.shared.CurrentMinute = 59;
    RecordUserAction(lib.ctx, ACTION_KEY, 0, 0, 0, 0);
    EXPECT_EQ(lib.shared.PeriodStartMinute, 30u);
    lib.shared.CurrentMinute = 89;
    RecordUserAction(lib.ctx, ACTION_KEY, 0, 0, 0, 0);
    EXPECT_EQ(lib.shared.PeriodStartMinute, 89u);
}

TEST_F(ActivityMonitorTest, MidnightOfTheRingClearsTheTableAndRestartsThePeriod) {
    lib.shared.CurrentMinute = 1439;
    lib.shared.PeriodStartMinute = 1439;
    lib.shared.LastActionMinute = 1439;
    lib.shared.ActivityTable[700].Keys = 9;
    Releases(4, 0);
    Report r = Close();
    EXPECT_EQ(r.rest, 0);
    EXPECT_EQ(r.keys, 4u);
    EXPECT_EQ(lib.shared.CurrentMinute, 0u);
    EXPECT_EQ(lib.shared.PeriodStartMinute, 0u);
    EXPECT_EQ(lib.shared.ActivityTable[700].Keys, 0);
    EXPECT_EQ(lib.shared.ActivityTable[1439].Keys, 0);
    // The next action sees the wrapped minute as a gap: a new period at 0.
    RecordUserAction(lib.ctx, ACTION_KEY, 0, 0, 0, 0);
    EXPECT_EQ(lib.shared.PeriodStartMinute, 0u);
    EXPECT_EQ(lib.shared.LastActionMinute, 0u);
}

TEST_F(ActivityMonitorTest, SwitchedOffReminderLeavesTheOutputsAlone) {
    lib.shared.Setting &= ~SETTING_REST_REMINDER;
    uint32_t keys = 7, clicks = 7, distance = 7, minutes = 7;
    EXPECT_EQ(UserShouldRest(lib.ctx, &keys, &clicks, &distance, &minutes), 0);
    EXPECT_EQ(keys + clicks + distance + minutes, 28u);
    EXPECT_EQ(lib.shared.CurrentMinute, 0u);
}

TEST_F(ActivityMonitorTest, ReleasesStampTheLastClickOrKeyTime) {
    lib.os.tick = 4242;
    RecordUserAction(lib.ctx, ACTION_CLICK, 0, 0, 0, 0);
    EXPECT_EQ(GetUserLastClickOrKeyTime(lib.ctx), 4242u);
    lib.os.tick = 5000;
    RecordUserAction(lib.ctx, ACTION_MOVE, 0, 0, 10, 10);
    EXPECT_EQ(GetUserLastClickOrKeyTime(lib.ctx), 4242u);
}

TEST_F(ActivityMonitorTest, UnknownActionIsLoggedAndIgnored) {
    lib.shared.CurrentMinute = 40;
    RecordUserAction(lib.ctx, 3, 0, 0, 0, 0);
    EXPECT_TRUE(lib.LogHas("Unrecognized user action."));
    EXPECT_EQ(lib.shared.LastActionMinute, 0u);
}

TEST_F(ActivityMonitorTest, SimulateClickClicksThereAndPutsThePointerBack) {
    lib.os.cursor = Point{10, 20};
    EXPECT_NE(SimulateClick(lib.ctx, 300, 200), 0);
    ASSERT_EQ(lib.os.cursorMoves.size(), 2u);
    EXPECT_EQ(lib.os.cursorMoves[0].x, 300);
    EXPECT_EQ(lib.os.cursor.x, 10);
    EXPECT_EQ(lib.os.cursor.y, 20);
    ASSERT_EQ(lib.os.inputs.size(), 1u);
    ASSERT_EQ(lib.os.inputs[0].size(), 2u);
    EXPECT_EQ(lib.os.inputs[0][0].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(lib.os.inputs[0][1].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(lib.os.inputs[0][0].dx, 300);
    EXPECT_EQ(lib.os.inputs[0][0].dy, 200);

    lib.os.metrics[win::SM_SWAPBUTTON] = 1;
    SimulateClick(lib.ctx, 1, 2);
    EXPECT_EQ(lib.os.inputs[1][0].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(lib.os.inputs[1][1].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_RIGHTUP);
}

}  // namespace
}  // namespace quorvel::testing
