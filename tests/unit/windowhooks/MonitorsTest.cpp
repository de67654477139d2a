// Several monitors: a primary 1024 x 768 one, a 1280 x 1024 one on its left
// (negative x) and a 800 x 600 one above its right half (negative y).
#include <gtest/gtest.h>

#include "WindowHooksDesktop.h"
#include "hooklib/core/ScreenBounds.h"
#include "hooklib/windowhooks/CursorGoAway.h"
#include "hooklib/windowhooks/SmartMove.h"

namespace quorvel::testing {
namespace {

const Rect kPrimary{0, 0, 1024, 768};
const Rect kLeft{-1280, 0, 0, 1024};
const Rect kAbove{512, -600, 1312, 0};

struct MonitorsTest : ::testing::Test {
    MonitorsTest() { lib.SetMonitors({kPrimary, kLeft, kAbove}); }
    MonitorLayout Layout() { return ReadMonitors(lib.shared); }
    FakeLibrary lib;
};

bool Same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(MonitorsTest, WhereAPointLies) {
    struct Case {
        Point p;
        bool onScreen;  // far edges included
        Rect monitor;
        bool nearOuterEdge;
    };
    const Case cases[] = {
        {{500, 300}, true, kPrimary, false},
        {{-100, 900}, true, kLeft, false},  // below the primary, still on the left monitor
        {{600, -300}, true, kAbove, false},
        {{2, 300}, true, kPrimary, false},  // the edge to the left monitor is no edge
        {{-1278, 300}, true, kLeft, true},
        {{1021, 300}, true, kPrimary, true},
        {{700, 2}, true, kPrimary, false},  // under the upper monitor
        {{100, 2}, true, kPrimary, true},   // nothing above here
        {{500, 765}, true, kPrimary, true},
        {{-500, 766}, true, kLeft, false},
        {{1024, 768}, true, kPrimary, true},   // the far corner counts as on screen
        {{500, 800}, false, kPrimary, false},  // below the primary: nearest is the primary
        {{-1300, 10}, false, kLeft, false},
    };
    const MonitorLayout layout = Layout();
    for (const Case& c : cases) {
        EXPECT_EQ(OnAnyMonitor(layout, c.p, true), c.onScreen) << c.p.x << "," << c.p.y;
        EXPECT_TRUE(Same(MonitorOf(layout, c.p), c.monitor)) << c.p.x << "," << c.p.y;
        if (c.onScreen) EXPECT_EQ(NearOuterEdge(layout, c.p, 5), c.nearOuterEdge) << c.p.x << "," << c.p.y;
    }
    const Rect v = VirtualScreen(layout);
    EXPECT_TRUE(Same(v, Rect{-1280, -600, 1312, 1024}));
}

// The record's layout is read within bounds; without a usable one the
// primary screen counts.
TEST_F(MonitorsTest, TheRecordsLayoutIsReadWithinBounds) {
    lib.shared.Monitors[0] = MonitorBox{INT32_MIN, 0, INT32_MAX, 768};  // beyond any screen: left out
    lib.shared.MonitorCount = MAX_MONITORS + 9;                         // the rest are empty
    EXPECT_EQ(Layout().count, 2);
    lib.shared.MonitorCount = -2;
    EXPECT_EQ(Layout().count, 1);
    EXPECT_TRUE(Same(Layout().monitors[0], kPrimary));
}

// Stored positions may be negative: only the trace's empty marker ends the
// search for a loop's start (left monitor, across its edge, near its outer edge).
TEST_F(MonitorsTest, CirclesAreDrawnOnEveryMonitor) {
    const struct {
        int cx;
        bool detected;
    } cases[] = {{-640, true}, {0, true}, {-1120, false}};
    for (const auto& c : cases) {
        lib.shared.LastCircleTime = 0;
        lib.ClearLog();
        Feed(lib, Timed(CirclePath(c.cx, 500, 156, 156, 30), lib.os.tick + 5000, 800));
        EXPECT_EQ(lib.LogHas("OK, User draw a circle."), c.detected) << c.cx;
    }
}

TEST_F(MonitorsTest, CursorGoAwayFlipsAtTheEdgeOfThePointersMonitor) {
    struct Case {
        Point p, target;
    };
    const Case cases[] = {
        {{-30, 500}, {-70, 540}},     // right edge of the left monitor
        {{-500, 990}, {-460, 950}},   // its bottom edge, below the primary's
        {{1000, -100}, {1040, -60}},  // the upper monitor reaches further right
        {{300, 740}, {340, 700}},
    };
    const MonitorLayout layout = Layout();
    for (const Case& c : cases) {
        Point t = CursorAwayTarget(MonitorOf(layout, c.p), c.p);
        EXPECT_EQ(t.x, c.target.x) << c.p.x << "," << c.p.y;
        EXPECT_EQ(t.y, c.target.y) << c.p.x << "," << c.p.y;
    }
}

TEST_F(MonitorsTest, SmartMoveGlidesIntoDialogsOnEveryMonitorButNotOffThem) {
    struct Case {
        Rect dialog;
        bool glides;
        Point last;
    };
    const Case cases[] = {
        {{-900, 200, -580, 296}, true, {-740, 248}},   // left of the primary
        {{700, -400, 1020, -304}, true, {860, -352}},  // above it
        {{100, 900, 420, 996}, false, {}},             // centre below the primary: on no monitor
    };
    for (const Case& c : cases) {
        FakeLibrary lib2;
        lib2.SetMonitors({kPrimary, kLeft, kAbove});
        lib2.os.cursor = Point{10, 10};
        Hwnd app = AddTopLevel(lib2.os, Rect{0, 0, 800, 600});
        MoveCursorToDialog(lib2.ctx, AddDialog(lib2.os, app, c.dialog));
        EXPECT_EQ(!lib2.os.cursorMoves.empty(), c.glides);
        if (c.glides && !lib2.os.cursorMoves.empty()) {
            EXPECT_EQ(lib2.os.cursorMoves.back().x, c.last.x);
            EXPECT_EQ(lib2.os.cursorMoves.back().y, c.last.y);
        }
    }
}

TEST_F(MonitorsTest, TheOpenAddressDialogIsKeptOnThePointersMonitor) {
    lib.os.cursor = Point{-1250, 20};
    Hwnd app = AddTopLevel(lib.os, Rect{0, 0, 800, 600});
    Hwnd dialog = AddDialog(lib.os, app, Rect{100, 100, 420, 196});
    lib.shared.CenterNextDialogOnCursor = 1;
    MoveCursorToDialog(lib.ctx, dialog);
    Rect r;
    ASSERT_TRUE(lib.os.GetWindowRect(dialog, &r));
    EXPECT_EQ(r.left, -1280);  // clamped to the left monitor, not to 0
    EXPECT_EQ(r.top, 0);
}

}  // namespace
}  // namespace quorvel::testing
