#include "control/core/StartAnimation.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(StartAnimation, SixDotsThenTheFinalCaptionOnce) {
    StartCaption caption;
    caption.Start();
    EXPECT_EQ(caption.Caption(), "Quorvel is starting");
    for (int tick = 1; tick <= 5; ++tick) EXPECT_FALSE(caption.OnTick()) << tick;
    EXPECT_EQ(caption.Caption(), "Quorvel is starting . . . . .");
    EXPECT_TRUE(caption.OnTick());
    EXPECT_EQ(caption.Caption(), "Quorvel has been started.");
    EXPECT_TRUE(caption.StartedShown());
    EXPECT_FALSE(caption.OnTick());
    EXPECT_EQ(caption.Caption(), "Quorvel has been started.");
}

TEST(StartAnimation, StartingAgainBeginsWithoutDots) {
    StartCaption caption;
    for (int tick = 0; tick < 8; ++tick) caption.OnTick();
    caption.Start();
    EXPECT_EQ(caption.Caption(), "Quorvel is starting");
    EXPECT_FALSE(caption.StartedShown());
}

TEST(StartAnimation, ShrinksFromTheDesignedHeightIn24StepsAndHidesAtThe25th) {
    const double frame = 375;  // caption and borders, twips
    double outer = 1224 + frame;
    std::vector<double> heights;
    for (int tick = 1; tick <= 100; ++tick) {
        const auto next = ShrinkStep(outer, outer - frame);
        if (!next) {
            EXPECT_EQ(tick, 25);
            break;
        }
        EXPECT_LT(*next, outer);  // never grows
        outer = *next;
        heights.push_back(outer);
    }
    ASSERT_EQ(heights.size(), 24u);
    EXPECT_DOUBLE_EQ(heights.front(), 1174 + frame);
    EXPECT_DOUBLE_EQ(heights.back() - frame, 24);
}

TEST(StartAnimation, HidesAtOnceWhenTheClientAreaIsAlready50TwipsOrLess) {
    EXPECT_FALSE(ShrinkStep(400, 50).has_value());
    EXPECT_TRUE(ShrinkStep(400, 51).has_value());
}

}  // namespace
}  // namespace quorvel
