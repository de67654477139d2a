// The get-message hook: activity counting, Cursor Go Away, Just Wheel It.
#include <gtest/gtest.h>

#include "WindowHooksDesktop.h"
#include "hooklib/core/Constants.h"
#include "hooklib/windowhooks/CursorGoAway.h"

namespace quorvel::testing {
namespace {

class GetMessageHookTest : public ::testing::Test {
protected:
    GetMessageHookTest() {
        FakeWindow w;
        w.className = "Edit";
        w.rect = Rect{100, 100, 300, 130};
        w.clientOrigin = Point{103, 103};
        edit = lib.os.AddWindow(w);
        lib.os.hasCaret = true;
        lib.os.caret = Point{10, 5};  // on the screen: (113, 108)
    }
    HookMessage Take(uint32_t message, uint32_t wParam = 0, uint32_t removeFlag = win::PM_REMOVE, Hwnd window = 0) {
        HookMessage m;
        m.hwnd = window ? window : edit;
        m.message = message;
        m.wParam = wParam;
        m.lParam = 0x01230456;
        m.pt = Point{321, 234};
        GetMessageHookProc(lib.ctx, win::HC_ACTION, removeFlag, m);
        return m;
    }
    uint32_t Keys() const { return lib.shared.ActivityTable[0].Keys; }
    uint32_t Clicks() const { return lib.shared.ActivityTable[0].Clicks; }

    FakeLibrary lib;
    Hwnd edit;
};

TEST_F(GetMessageHookTest, KeyAndButtonReleasesAreCountedOnceEvenWhilePaused) {
    lib.shared.Paused = 1;
    Take(win::WM_KEYUP);
    Take(win::WM_KEYUP, 0, 0);  // only peeked at
    Take(0x10000 | win::WM_KEYUP);
    Take(win::WM_KEYDOWN);
    EXPECT_EQ(Keys(), 2u);
    for (uint32_t m : {win::WM_LBUTTONUP, win::WM_RBUTTONUP, win::WM_MBUTTONUP, win::WM_NCLBUTTONUP,
                       win::WM_NCRBUTTONUP, win::WM_NCMBUTTONUP, win::WM_LBUTTONDOWN, win::WM_MOUSEWHEEL}) {
        Take(m);
    }
    EXPECT_EQ(Clicks(), 6u);
}

TEST_F(GetMessageHookTest, TypingOnTheCaretGlidesThePointer40PxAway) {
    lib.os.cursor = Point{120, 112};
    Take(win::WM_CHAR, 'a');
    ASSERT_EQ(lib.os.cursorMoves.size(), 11u);
    EXPECT_EQ(lib.os.cursorMoves.front().x, 120);
    EXPECT_EQ(lib.os.cursorMoves[1].x, 124);
    EXPECT_EQ(lib.os.cursorMoves.back().x, 160);
    EXPECT_EQ(lib.os.cursorMoves.back().y, 152);
    EXPECT_EQ(lib.os.sleeps, std::vector<uint32_t>(11, 10));
    // Typing again: the squares no longer overlap.
    Take(win::WM_CHAR, 'b');
    EXPECT_EQ(lib.os.cursorMoves.size(), 11u);
}

TEST_F(GetMessageHookTest, SquaresMustShareArea) {
    lib.os.cursor = Point{133, 108};  // touching the caret's square on the right
    Take(win::WM_CHAR, 'a');
    lib.os.cursor = Point{113, 88};  // touching it from above
    Take(win::WM_CHAR, 'a');
    EXPECT_TRUE(lib.os.cursorMoves.empty());
    lib.os.cursor = Point{94, 89};  // one pixel shared at the corner
    Take(win::WM_CHAR, 'a');
    EXPECT_FALSE(lib.os.cursorMoves.empty());
}

TEST_F(GetMessageHookTest, NearTheRightOrBottomEdgeThePointerGoesLeftOrUp) {
    const Rect s{0, 0, 1024, 768};
    Point t = CursorAwayTarget(s, Point{983, 700});
    EXPECT_EQ(t.x, 1023);
    EXPECT_EQ(t.y, 740);
    t = CursorAwayTarget(s, Point{984, 728});
    EXPECT_EQ(t.x, 944);
    EXPECT_EQ(t.y, 688);
}

TEST_F(GetMessageHookTest, EscapeHiddenPointerNoCaretOrSwitchedOffMoveNothing) {
    lib.os.cursor = Point{120, 112};
    Take(win::WM_CHAR, 27);
    lib.os.cursorInfo.flags = 0;
    Take(win::WM_CHAR, 'a');
    lib.os.cursorInfo.flags = 3;  // showing and suppressed: not exactly "showing"
    Take(win::WM_CHAR, 'a');
    lib.os.cursorInfo.flags = win::CURSOR_SHOWING;
    lib.os.hasCaret = false;
    Take(win::WM_CHAR, 'a');
    lib.os.hasCaret = true;
    lib.shared.Setting &= ~SETTING_CURSOR_GO_AWAY;
    Take(win::WM_CHAR, 'a');
    EXPECT_TRUE(lib.os.cursorMoves.empty());
}

class WheelTest : public GetMessageHookTest {
protected:
    WheelTest() {
        focused = AddTopLevel(lib.os, Rect{0, 0, 300, 300}, 1);
        sibling = AddTopLevel(lib.os, Rect{400, 0, 700, 300}, 1);
        foreign = AddTopLevel(lib.os, Rect{0, 400, 300, 700}, 7);
    }
    HookMessage Wheel() { return Take(win::WM_MOUSEWHEEL, 0xFF880000u, win::PM_REMOVE, focused); }
    Hwnd focused, sibling, foreign;
};

TEST_F(WheelTest, OverTheFocusedWindowItselfNothingChanges) {
    lib.os.cursor = Point{100, 100};
    EXPECT_EQ(Wheel().message, win::WM_MOUSEWHEEL);
    EXPECT_TRUE(lib.os.posted.empty());
    EXPECT_TRUE(lib.os.inputs.empty());
}

TEST_F(WheelTest, OverAnotherWindowOfTheThreadThatWindowGetsTheTurn) {
    lib.os.cursor = Point{500, 100};
    EXPECT_EQ(Wheel().message, win::WM_NULL);
    ASSERT_EQ(lib.os.posted.size(), 1u);
    EXPECT_EQ(lib.os.posted[0], (PostedMessage{sibling, win::WM_MOUSEWHEEL, 0xFF880000u, 0x01230456}));
    EXPECT_TRUE(lib.os.inputs.empty());
}

TEST_F(WheelTest, OverAnotherThreadsWindowAClickActivatesIt) {
    lib.os.cursor = Point{100, 500};
    EXPECT_EQ(Wheel().message, win::WM_NULL);
    EXPECT_TRUE(lib.os.posted.empty());
    ASSERT_EQ(lib.os.inputs.size(), 1u);
    ASSERT_EQ(lib.os.inputs[0].size(), 2u);
    EXPECT_EQ(lib.os.inputs[0][0].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(lib.os.inputs[0][1].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(lib.os.inputs[0][0].dx, 321);
    EXPECT_EQ(lib.os.inputs[0][0].dy, 234);

    lib.os.metrics[win::SM_SWAPBUTTON] = 1;
    Wheel();
    EXPECT_EQ(lib.os.inputs[1][0].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(lib.os.inputs[1][1].flags, win::MOUSEEVENTF_ABSOLUTE | win::MOUSEEVENTF_RIGHTUP);
}

TEST_F(WheelTest, NoWindowUnderThePointerDropsTheTurn) {
    lib.os.cursor = Point{900, 700};
    EXPECT_EQ(Wheel().message, win::WM_NULL);
    EXPECT_TRUE(lib.os.posted.empty());
    EXPECT_TRUE(lib.os.inputs.empty());
}

TEST_F(WheelTest, DragToScrollTurnsStayWithThePageWhereverThePointerIs) {
    lib.shared.DragScrollWindow = focused;
    lib.os.cursor = Point{100, 500};  // below the page, over another program: no click there
    EXPECT_EQ(Take(win::WM_MOUSEWHEEL, 0xFFF40010u, win::PM_REMOVE, focused).message, win::WM_MOUSEWHEEL);
    EXPECT_TRUE(lib.os.posted.empty() && lib.os.inputs.empty());
    EXPECT_EQ(Take(win::WM_MOUSEWHEEL, 0xFFF40000u, win::PM_REMOVE, focused).message, win::WM_NULL);  // the wheel's own
}

TEST_F(WheelTest, SwitchedOffWheelPassesUntouched) {
    lib.shared.Setting &= ~SETTING_JUST_WHEEL_IT;
    lib.os.cursor = Point{500, 100};
    EXPECT_EQ(Wheel().message, win::WM_MOUSEWHEEL);
    EXPECT_TRUE(lib.os.posted.empty());
}

// Over the taskbar, with the control program's switcher registered, a wheel
// turn opens the switcher; in every other case the wheel works as above.
TEST_F(WheelTest, OverTheTaskbarOpensTheRegisteredSwitcherAndDropsTheTurn) {
    FakeWindow bar;
    bar.className = "Shell_TrayWnd";
    bar.rect = Rect{0, 738, 1024, 768};
    bar.threadId = 9;
    const Hwnd primary = lib.os.AddWindow(bar);
    AddChild(lib.os, primary, "ToolbarWindow32", Rect{100, 740, 600, 766});
    AddChild(lib.os, AddChild(lib.os, primary, "TrayNotifyWnd", Rect{850, 738, 1024, 768}), "TrayClockWClass",
             Rect{960, 740, 1020, 766});
    // Another monitor's taskbar; and one drawn as a single window (Windows
    // 11), whose clock's old window lies beneath.
    bar.className = "Shell_SecondaryTrayWnd";
    bar.rect = Rect{1024, 738, 2048, 768};
    AddChild(lib.os, lib.os.AddWindow(bar), "MSTaskListWClass", Rect{1100, 740, 1600, 766});
    bar.rect = Rect{2048, 738, 3072, 768};
    const Hwnd whole = lib.os.AddWindow(bar);
    AddChild(lib.os, whole, "Windows.UI.Composition.DesktopWindowContentBridge", bar.rect);
    AddChild(lib.os, whole, "ClockButton", Rect{2950, 738, 3072, 768});
    FakeWindow form;
    form.title = "Easy task switcher";
    form.visible = false;
    form.processId = 42;  // Quorvel.exe
    const Hwnd switcher = lib.os.AddWindow(form);
    lib.os.processImages[42] = "C:\\Quorvel\\Quorvel.exe";
    lib.shared.OwnWindowMarker = 0xAAAAAAAA;
    const uint32_t setting = lib.shared.Setting;
    struct Case {
        const char* what;
        int x, y;
        bool registered;
        uint32_t message, userData;
        bool opens;
        bool untouched = false;  // the turn goes on as Windows sent it
    } cases[] = {
        {"over a taskbar button", 300, 750, true, 0xC002, 0xAAAAAAAA, true},
        {"over the bar itself", 800, 745, true, 0xC002, 0xAAAAAAAA, true},
        {"over the notification area", 900, 750, true, 0xC002, 0xAAAAAAAA, false, true},
        {"over the clock", 990, 750, true, 0xC002, 0xAAAAAAAA, false, true},
        {"over another monitor's taskbar buttons", 1300, 750, true, 0xC002, 0xAAAAAAAA, true},
        {"over a taskbar drawn as one window, at its buttons", 2300, 750, true, 0xC002, 0xAAAAAAAA, true},
        {"over a taskbar drawn as one window, at its clock", 3000, 750, true, 0xC002, 0xAAAAAAAA, false, true},
        {"over another window", 500, 100, true, 0xC002, 0xAAAAAAAA, false},
        {"nothing registered", 300, 750, false, 0xC002, 0xAAAAAAAA, false},
        {"no message registered", 300, 750, true, 0, 0xAAAAAAAA, false},
        {"a message below the private range", 300, 750, true, 0x0010, 0xAAAAAAAA, false},
        {"registered window not ours", 300, 750, true, 0xC002, 0, false},
        {"a look-alike in another program", 300, 750, true, 0xC002, 0xAAAAAAAA, false},
        {"Just Wheel It switched off", 300, 750, true, 0xC002, 0xAAAAAAAA, false},
        {"registered window gone", 300, 750, true, 0xC002, 0, false},  // last: it stays gone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        lib.os.posted.clear();
        lib.os.inputs.clear();
        lib.os.cursor = Point{c.x, c.y};
        lib.shared.TaskListWindow = c.registered ? switcher : 0;
        lib.shared.TaskListMessage = c.message;
        const std::string what = c.what;
        if (what == "registered window gone")
            lib.os.DestroyWindow(switcher);
        else
            lib.os.Window(switcher).userData = c.userData;
        if (what != "registered window gone")
            lib.os.Window(switcher).processId = what == "a look-alike in another program" ? 77 : 42;
        const bool on = what != "Just Wheel It switched off" && !c.untouched;
        lib.shared.Setting = what != "Just Wheel It switched off" ? setting : setting & ~SETTING_JUST_WHEEL_IT;
        EXPECT_EQ(Wheel().message, on ? win::WM_NULL : win::WM_MOUSEWHEEL);
        // Otherwise as without a switcher: a click for another thread's
        // window under the pointer, the turn for one of the same thread.
        const PostedMessage open{switcher, 0xC002, 0, 0};
        EXPECT_EQ(lib.os.posted.size() + lib.os.inputs.size(), on ? 1u : 0u);
        EXPECT_EQ(!lib.os.posted.empty() && lib.os.posted[0] == open, c.opens);
    }
}

}  // namespace
}  // namespace quorvel::testing
