#include "control/core/RestNotice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"

namespace quorvel {
namespace {

std::vector<int> Slide(int height, bool show) {
    std::vector<int> tops;
    for (int step = 0; step < SlideStepCount(height); ++step) tops.push_back(SlideStepTop(step, height, show));
    return tops;
}

TEST(RestNotice, SlidesOnePixelPerStepBetweenAboveTheScreenAndTheTop) {
    EXPECT_EQ(Slide(3, true), (std::vector<int>{-3, -2, -1, 0}));
    EXPECT_EQ(Slide(3, false), (std::vector<int>{0, -1, -2, -3}));
}

// What the slide and the blinking do to the window, with the clock's time.
struct RecordingNoticeWindow : NoticeWindow {
    explicit RecordingNoticeWindow(FakeClock& clock) : clock(clock) {}
    void MoveNotice(int left, int top, int width, int height) override {
        steps.push_back("move " + std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
                        std::to_string(height) + " @" + std::to_string(clock.now));
    }
    void ShowPrompt(bool shown) override {
        steps.push_back(std::string(shown ? "show" : "hide") + " @" + std::to_string(clock.now));
    }
    void HandlePendingMessages() override { ++messageTurns; }
    FakeClock& clock;
    std::vector<std::string> steps;
    int messageTurns = 0;
};

TEST(RestNotice, SlidesAndBlinksAtItsPaceHandlingMessagesInEveryPause) {
    struct Case {
        const char* what;
        std::vector<std::string> steps;
        uint32_t endsAtMs;
        int messageTurns;
    };
    const Case cases[] = {
        {"in", {"move 800,28 200x2 @0", "move 800,29 200x2 @5", "move 800,30 200x2 @10"}, 15, 3},
        {"out", {"move 800,30 200x2 @0", "move 800,29 200x2 @5", "move 800,28 200x2 @10"}, 15, 3},
        {"blink", {"hide @0", "show @300", "hide @800", "show @1100", "hide @1600", "show @1900"}, 2400, 6},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        RecordingNoticeWindow window(clock);
        const std::string what = c.what;
        if (what == "blink") {
            BlinkPrompt(window, clock);
        } else {
            SlideNotice(window, clock, NoticePlacement{800, 200, 2, 30}, what == "in");
        }
        EXPECT_EQ(window.steps, c.steps) << what;
        EXPECT_EQ(clock.now, c.endsAtMs) << what;
        EXPECT_EQ(window.messageTurns, c.messageTurns) << what;
    }
}

TEST(RestNotice, SitsFlushWithTheRightEdgeOfTheScreen) {
    const NoticePlacement place = PlaceNotice(3030, 1245, 1024, 96, 96);
    EXPECT_EQ(place.width, 202);
    EXPECT_EQ(place.height, 83);
    EXPECT_EQ(place.left, 1024 - 202);
    EXPECT_EQ(PlaceNotice(3030, 1245, 1280, 120, 120).left, 1280 - 252);  // 252.5 px, halves to even
}

TEST(RestNotice, RestsInTheTopRightCornerOfTheWorkAreaItIsGiven) {
    struct Case {
        NoticeArea area;
        int left, top;
    };
    const Case cases[] = {
        {{0, 0, 1024, 738}, 822, 0},         // primary, taskbar at the bottom
        {{0, 30, 1024, 768}, 822, 30},       // taskbar at the top
        {{-1280, 0, 0, 1024}, -202, 0},      // a monitor left of the primary
        {{512, -600, 1312, 0}, 1110, -600},  // a monitor above it
    };
    for (const Case& c : cases) {
        const NoticePlacement place = PlaceNoticeIn(c.area, 3030, 1245, 96, 96);
        EXPECT_EQ(place.left, c.left);
        EXPECT_EQ(place.top, c.top);
        EXPECT_EQ(place.width, 202);
    }
}

TEST(RestNotice, LeftAloneItBlinksThenSlidesOut) {
    RestNotice notice;
    notice.OnShow();
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::Blink);
    EXPECT_TRUE(notice.BlinkDone());
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::SlideOut);
}

TEST(RestNotice, AfterOkTheDelayTimerDoesNothing) {
    RestNotice notice;
    notice.OnShow();
    notice.OnUserClosed();  // during the first wait
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::Nothing);
    notice.OnShow();
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::Blink);
    notice.OnUserClosed();  // during the blinking
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::Nothing);
    EXPECT_EQ(notice.OnDelayTick(), NoticeDelayAction::Nothing);
}

TEST(RestNotice, ANewShowingStartsOver) {
    RestNotice notice;
    notice.OnShow();
    notice.OnDelayTick();
    notice.OnUserClosed();
    notice.OnShow();
    EXPECT_FALSE(notice.ClosedByUser());
    EXPECT_FALSE(notice.BlinkDone());
}

}  // namespace
}  // namespace quorvel
