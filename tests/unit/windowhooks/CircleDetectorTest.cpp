#include "hooklib/windowhooks/CircleDetector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "WindowHooksDesktop.h"
#include "hooklib/core/Constants.h"

namespace quorvel::testing {
namespace {

constexpr uint32_t kNow = 100000;

class CircleDetectorTest : public ::testing::Test {
protected:
    // 31 points (30 steps) around (500, 400), radius 150, in 800 ms: with
    // exactly 31 points only the first one can start the loop.
    static std::vector<Point> BaseLoop() { return CirclePath(500, 400, 150, 150, 30); }

    bool Detect(const std::vector<Point>& path, uint32_t duration = 800, uint32_t now = kNow, int firstSlot = 0) {
        std::vector<TimedPoint> pts = Timed(path, now, duration);
        LoadTrace(lib.shared, pts, firstSlot);
        const int32_t slot = lib.shared.MouseTraceIndex;
        // Meanwhile other threads stored points (still unfilled slots here)
        // and moved the shared index on: the detector keeps to its own slot.
        lib.shared.MouseTraceIndex = (slot + otherThreadsAhead) % MAX_MOUSE_TRACE_NUM;
        return DetectCircle(lib.ctx, slot, pts.back().x, pts.back().y, now);
    }

    int otherThreadsAhead = 0;

    FakeLibrary lib;
};

TEST_F(CircleDetectorTest, SteadyLoopIsDetectedOnceWithItsTraceLine) {
    EXPECT_TRUE(Detect(BaseLoop(), 800, kNow, 80));  // the loop wraps round the end of the ring
    EXPECT_EQ(lib.shared.LastCircleTime, kNow);
    int traceLines = 0;
    for (const std::string& line : lib.LogLines()) {
        if (line.find("Circle trace information :  Point count : 31, Time : 800 ms, radius : 1") == 0) {
            EXPECT_NE(line.find(", paused : 0, TwoPointToFar : 0, TooNearScreenEdge : 0"), std::string::npos) << line;
            ++traceLines;
        }
    }
    EXPECT_EQ(traceLines, 1);
    EXPECT_TRUE(lib.LogHas("\nCircle trace information :  "));
}

TEST_F(CircleDetectorTest, LoopClosesAtTheSlotOfTheNewPointWhateverTheSharedIndex) {
    for (int ahead : {1, 3, 40}) {
        otherThreadsAhead = ahead;
        lib.shared.LastCircleTime = 0;
        EXPECT_TRUE(Detect(BaseLoop(), 800, kNow, 10)) << ahead;
    }
}

TEST_F(CircleDetectorTest, StartPointAgeMustLieBetween500And1100Ms) {
    EXPECT_TRUE(Detect(BaseLoop(), 500));
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(BaseLoop(), 499));
    EXPECT_TRUE(Detect(BaseLoop(), 1100));
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(BaseLoop(), 1101));
}

TEST_F(CircleDetectorTest, LoopNeedsMoreThan30Points) {
    EXPECT_FALSE(Detect(CirclePath(500, 400, 150, 150, 29)));  // 30 points
    EXPECT_TRUE(Detect(CirclePath(500, 400, 150, 150, 30)));   // 31 points
}

TEST_F(CircleDetectorTest, FirstQualifyingOlderPointStartsTheLoop) {
    // Two turns: the start of the second turn qualifies before the older one.
    std::vector<Point> twoTurns = CirclePath(500, 400, 150, 150, 60);
    for (size_t i = 0; i < twoTurns.size(); ++i) twoTurns[i] = CirclePath(500, 400, 150, 150, 30)[i % 30];
    EXPECT_TRUE(Detect(twoTurns, 1000));
    EXPECT_TRUE(lib.LogHas("Point count : 31, Time : 500 ms"));
}

TEST_F(CircleDetectorTest, StartMustLieStrictlyWithin50PxOfTheNewestPointOnEachAxis) {
    const Point offsets[] = {{49, 0}, {-49, 0}, {0, 49}, {0, -49}, {50, 0}, {-50, 0}, {0, 50}, {0, -50}};
    for (Point o : offsets) {
        std::vector<Point> path = BaseLoop();
        path.back().x += o.x;
        path.back().y += o.y;
        lib.shared.LastCircleTime = 0;
        bool inside = std::abs(o.x) < 50 && std::abs(o.y) < 50;
        EXPECT_EQ(Detect(path), inside) << o.x << "," << o.y;
    }
}

TEST_F(CircleDetectorTest, LoopPointsNearerThan5PxToAnEdgeReject) {
    struct Case {
        int cx, cy;
        double startDegrees;
        bool detected;
    } cases[] = {
        {155, 400, 180, true}, {154, 400, 180, false},  // left edge: x = 5 / 4
        {500, 155, -90, true}, {500, 154, -90, false},  // top edge: y = 5 / 4
        {869, 400, 0, true},   {870, 400, 0, false},    // right: 1024 - x = 5 / 4
        {500, 613, 90, true},  {500, 614, 90, false},   // bottom: 768 - y = 5 / 4
    };
    for (const Case& c : cases) {
        lib.shared.LastCircleTime = 0;
        EXPECT_EQ(Detect(CirclePath(c.cx, c.cy, 150, 150, 30, c.startDegrees)), c.detected) << c.cx << "," << c.cy;
    }
}

TEST_F(CircleDetectorTest, NewestPointIsNotTestedAgainstTheEdges) {
    std::vector<Point> path = CirclePath(195, 400, 150, 150, 30, 180);  // starts at x = 45
    path.back().x = 4;
    EXPECT_TRUE(Detect(path));
}

TEST_F(CircleDetectorTest, MeanRadiusMustExceed75Px) {
    EXPECT_TRUE(Detect(CirclePath(500, 400, 77, 77, 30)));
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(CirclePath(500, 400, 74, 74, 30)));
}

TEST_F(CircleDetectorTest, SquaredRadiusRatioMustStayBelow7) {
    EXPECT_TRUE(Detect(CirclePath(500, 400, 150, 60, 30)));  // 6.25
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(CirclePath(500, 400, 150, 54, 30)));  // 7.7
}

// A square loop from (350, 250) clockwise whose first step is `firstStep` px.
std::vector<Point> SquareLoop(int firstStep) {
    std::vector<Point> path{{350, 250}, {350 + firstStep, 250}};
    for (int x = 475; x <= 650; x += 25) path.push_back({x, 250});
    for (int y = 280; y <= 550; y += 30) path.push_back({650, y});
    for (int x = 620; x >= 350; x -= 30) path.push_back({x, 550});
    for (int y = 520; y >= 250; y -= 30) path.push_back({350, y});
    return path;
}

TEST_F(CircleDetectorTest, StepsOfMoreThan100PxReject) {
    EXPECT_TRUE(Detect(SquareLoop(100)));
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(SquareLoop(101)));
}

TEST_F(CircleDetectorTest, HesitationAfterTheMovementStartedRejects) {
    // One extra point in the middle of the loop, 2,2 or 3,1 px on: the pause
    // limit of a 150 px loop is 3 px, so 8 is a pause and 10 is not.
    std::vector<Point> paused = BaseLoop(), steady = BaseLoop();
    paused.insert(paused.begin() + 16, Point{paused[15].x + 2, paused[15].y + 2});
    steady.insert(steady.begin() + 16, Point{steady[15].x + 3, steady[15].y + 1});
    EXPECT_FALSE(Detect(paused));
    EXPECT_FALSE(lib.LogHas("Circle trace"));
    EXPECT_TRUE(Detect(steady));
}

// The loop starts with two steps of `firstSteps` px down, then two of 1,1 px,
// then goes round; 31 points in all.
std::vector<Point> SlowStartLoop(int firstSteps) {
    const Point s{650, 400};
    std::vector<Point> path{s,
                            {s.x, s.y + firstSteps},
                            {s.x, s.y + 2 * firstSteps},
                            {s.x + 1, s.y + 2 * firstSteps + 1},
                            {s.x + 2, s.y + 2 * firstSteps + 2}};
    std::vector<Point> round = CirclePath(500, 400, 150, 150, 26);
    path.insert(path.end(), round.begin() + 1, round.end());
    return path;
}

TEST_F(CircleDetectorTest, MovementStartsOnlyAfterAStepLongerThan6Px) {
    EXPECT_TRUE(Detect(SlowStartLoop(6)));  // 36 does not start: the small steps are no pause
    lib.shared.LastCircleTime = 0;
    EXPECT_FALSE(Detect(SlowStartLoop(7)));  // 49 starts: the 1,1 px steps are a pause
}

TEST_F(CircleDetectorTest, RepeatGuardHolds2000Ms) {
    lib.shared.LastCircleTime = kNow - 1999;
    EXPECT_FALSE(Detect(BaseLoop()));
    lib.shared.LastCircleTime = kNow - 2000;
    EXPECT_TRUE(Detect(BaseLoop()));
}

TEST_F(CircleDetectorTest, AgesAreMeasuredAcrossTheTickWrap) {
    // The loop's times run through 0xFFFFFFFF to 0x100.
    lib.shared.LastCircleTime = 0x100 - 5000;
    EXPECT_TRUE(Detect(BaseLoop(), 800, 0x100));
    EXPECT_TRUE(lib.LogHas("Time : 800 ms"));
    // The initial LastCircleTime of 0 while the counter is past 2^31.
    lib.shared.LastCircleTime = 0;
    EXPECT_TRUE(Detect(BaseLoop(), 800, 0x90000000u));
    // A circle just before the wrap still guards the 2000 ms after it.
    lib.shared.LastCircleTime = 0xFFFFFF00u;
    EXPECT_FALSE(Detect(BaseLoop(), 800, 0x500));
}

TEST_F(CircleDetectorTest, UnfilledRingEndsTheSearch) {
    // Early after boot the unfilled entries (time all bits set) would look
    // young by plain subtraction; near the corner they would even be in range.
    std::vector<Point> corner;
    for (int i = 0; i < 20; ++i) corner.push_back({20 + i, 20});
    LoadTrace(lib.shared, Timed(corner, 700, 600));
    CircleLoop loop;
    EXPECT_FALSE(FindCircleLoop(lib.shared, lib.shared.MouseTraceIndex, 39, 20, 700, &loop));
    EXPECT_FALSE(Detect(CirclePath(500, 400, 150, 150, 29), 800, 1500));
}

TEST(CircleShapeTest, ThresholdsAreStrict) {
    CircleShape s;
    s.measured = true;
    s.minR2 = 10000;
    s.maxR2 = 20000;
    s.meanR2 = 5625.0f;
    EXPECT_FALSE(IsCircleShape(s));
    s.meanR2 = std::nextafter(5625.0f, 6000.0f);
    EXPECT_TRUE(IsCircleShape(s));
    s.maxR2 = 70000;  // ratio exactly 7
    EXPECT_FALSE(IsCircleShape(s));
    s.maxR2 = std::nextafter(70000.0f, 0.0f);
    EXPECT_TRUE(IsCircleShape(s));
    for (bool CircleShape::*flag :
         {&CircleShape::paused, &CircleShape::twoPointTooFar, &CircleShape::tooNearScreenEdge}) {
        CircleShape f = s;
        f.*flag = true;
        EXPECT_FALSE(IsCircleShape(f));
    }
}

TEST_F(CircleDetectorTest, PointOnTheCentreRejects) {
    // A star of 100 px strokes out of (500, 400) and back, symmetric, so the
    // weighted centre is (500, 400) itself, on which the loop passes.
    const Point c{500, 400};
    const Point tips[] = {{600, 400}, {400, 400}, {500, 300}, {500, 500}};
    std::vector<Point> star;
    for (int turn = 0; turn < 4; ++turn) {
        for (Point tip : tips) {
            star.push_back(c);
            star.push_back(tip);
        }
    }
    star.push_back(c);
    LoadTrace(lib.shared, Timed(star, kNow, 800));
    CircleShape shape =
        MeasureCircleLoop(lib.shared, CircleLoop{0, static_cast<int32_t>(star.size()), 800}, ReadMonitors(lib.shared));
    EXPECT_EQ(shape.minR2, 0.0f);
    EXPECT_FALSE(shape.measured);
    EXPECT_FALSE(IsCircleShape(shape));
}

// ---- through the hook, as the pointer arrives

// A hand-drawn loop: 41 points, radius wandering between 135 and 160 px,
// 17 to 25 ms apart, starting and ending a little off.
std::vector<TimedPoint> HandDrawnLoop(uint32_t start) {
    const double pi = std::acos(-1.0);
    std::vector<TimedPoint> pts;
    uint32_t t = start;
    for (int i = 0; i <= 40; ++i) {
        double a = 2 * pi * i / 38.0 - 0.3;
        double r = 148 + 12 * std::sin(3.0 * a) + (i % 3) - 1;
        pts.push_back(
            {static_cast<int32_t>(520 + r * std::cos(a)), static_cast<int32_t>(380 + 0.9 * r * std::sin(a)), t});
        t += 17 + (i * 7) % 9;
    }
    return pts;
}

TEST_F(CircleDetectorTest, HandDrawnLoopLaunchesTheBrowserOnce) {
    const Hwnd main = RegisterQuorvelMainWindow(lib);
    Feed(lib, HandDrawnLoop(50000));
    EXPECT_EQ(BrowserLaunches(lib.os), 1);
    EXPECT_EQ(lib.os.posted, (std::vector<PostedMessage>{{main, LAUNCH_REQUEST_MESSAGE, LAUNCH_BROWSER, 0}}));
    EXPECT_TRUE(lib.os.shellCalls.empty()) << "nothing is started inside the hook";
    EXPECT_TRUE(lib.LogHas("OK, User draw a circle.\n\n"));
    EXPECT_TRUE(lib.LogHas("paused : 0, TwoPointToFar : 0, TooNearScreenEdge : 0"));

    // Going on round within 2 s launches nothing more; a loop after that does.
    Feed(lib, HandDrawnLoop(lib.shared.LastCircleTime + 100));
    EXPECT_EQ(BrowserLaunches(lib.os), 1);
    Feed(lib, HandDrawnLoop(lib.shared.LastCircleTime + 2500));
    EXPECT_EQ(BrowserLaunches(lib.os), 2);
}

TEST_F(CircleDetectorTest, LaunchNeedsItsSetting) {
    RegisterQuorvelMainWindow(lib);
    lib.shared.Setting &= ~SETTING_IE_LAUNCH;
    Feed(lib, HandDrawnLoop(50000));
    EXPECT_TRUE(lib.LogHas("OK, User draw a circle."));
    EXPECT_EQ(BrowserLaunches(lib.os), 0);
}

TEST_F(CircleDetectorTest, SlowSmallOrHalfLoopsLaunchNothing) {
    std::vector<TimedPoint> slow = Timed(CirclePath(500, 400, 150, 150, 40), 60000, 1600);
    std::vector<TimedPoint> small = Timed(CirclePath(500, 400, 60, 60, 40), 70000, 800);
    std::vector<Point> halfPath = CirclePath(500, 400, 150, 150, 80);
    halfPath.resize(41);
    std::vector<TimedPoint> half = Timed(halfPath, 80000, 800);
    Feed(lib, slow);
    Feed(lib, small);
    Feed(lib, half);
    EXPECT_EQ(BrowserLaunches(lib.os), 0);
    EXPECT_FALSE(lib.LogHas("OK, User draw a circle."));
}

}  // namespace
}  // namespace quorvel::testing
