#include "tutorial/MouseMotion.h"

#include <gtest/gtest.h>

namespace quorvel::tutorial {
namespace {

constexpr TwipsPoint kHome{930, 660};

TEST(DragPositions, FiftyOneMovesOfTwelveTwipsInTheDragDirection) {
    struct Case {
        DragDirection direction;
        int dx, dy;
    };
    for (const Case& c : {Case{DragDirection::Left, -1, 0}, Case{DragDirection::Right, 1, 0},
                          Case{DragDirection::Down, 0, 1}, Case{DragDirection::Up, 0, -1}}) {
        const auto p = DragPositions(kHome, c.direction);
        ASSERT_EQ(p.size(), 51u);
        for (size_t i = 0; i < p.size(); ++i) {
            const int step = 12 * static_cast<int>(i + 1);
            EXPECT_EQ(p[i], (TwipsPoint{kHome.left + c.dx * step, kHome.top + c.dy * step}));
        }
        EXPECT_EQ(p.back(), (TwipsPoint{kHome.left + c.dx * 612, kHome.top + c.dy * 612}));
    }
}

TEST(CirclePositions, FortyRoundedPointsClockwiseFromTheRightmost) {
    const auto p = CirclePositions(kHome);
    ASSERT_EQ(p.size(), 40u);
    EXPECT_EQ(p[0], (TwipsPoint{930 + 650, 660}));   // rightmost
    EXPECT_EQ(p[10], (TwipsPoint{930, 660 + 650}));  // a quarter turn later: bottom (Top grows downward)
    EXPECT_EQ(p[20], (TwipsPoint{930 - 650, 660}));  // leftmost
    EXPECT_EQ(p[30], (TwipsPoint{930, 660 - 650}));  // top
    // i = 1: 650 cos(9 deg) = 641.997..., 650 sin(9 deg) = 101.68...
    EXPECT_EQ(p[1], (TwipsPoint{930 + 642, 660 + 102}));
    // i = 5: 650 cos(45 deg) = 459.62... on both axes
    EXPECT_EQ(p[5], (TwipsPoint{930 + 460, 660 + 460}));
    // Clockwise on screen: the picture goes down first, then left.
    EXPECT_GT(p[1].top, p[0].top);
    EXPECT_LT(p[11].left, p[10].left);
    for (const TwipsPoint& q : p) {
        const double dx = q.left - 930, dy = q.top - 660;
        EXPECT_NEAR(dx * dx + dy * dy, 650.0 * 650.0, 2 * 650.0);
    }
}

}  // namespace
}  // namespace quorvel::tutorial
