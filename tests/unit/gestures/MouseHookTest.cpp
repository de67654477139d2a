// Scenario tests of the mouse hook: each gesture as the sequence of messages
// a program would receive, with what is swallowed, posted, sent and logged.
// Here what every gesture shares (what passes untouched, the pause); the
// gestures have a file each (RightDragTest, RightDoubleClickTest,
// MiddleButtonTest, ButtonChordTest).
#include <cstring>
#include <functional>

#include "MouseHookDesktop.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/gestures/ButtonMessages.h"

namespace quorvel::testing {
namespace {

using namespace win;

// ---------------------------------------------------------------- what passes untouched

TEST_F(MouseHook, OnlyTheSixteenButtonMessagesAreLookedAt) {
    for (uint32_t m = 0xA0; m <= 0xAA; ++m) EXPECT_EQ(IsButtonMessage(m), m >= 0xA1 && m <= 0xA8) << std::hex << m;
    for (uint32_t m = 0x1FF; m <= 0x20B; ++m) EXPECT_EQ(IsButtonMessage(m), m >= 0x201 && m <= 0x208) << std::hex << m;

    SharedState before = shared;
    os.cursorReadable = false;  // any cursor read would show in the state
    for (uint32_t m : {WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_MBUTTONDBLCLK, WM_NCMBUTTONDBLCLK, WM_NCHITTEST}) {
        EXPECT_FALSE(At(m, page, Point{100, 100}, 10000));
    }
    EXPECT_FALSE(Deliver(WM_RBUTTONDOWN, page, Point{100, 100}, Point{100, 100}, 10000, 3)) << "not HC_ACTION";
    EXPECT_EQ(std::memcmp(&before, &shared, sizeof shared), 0);
    EXPECT_TRUE(lib.LogLines().empty());
    EXPECT_TRUE(os.inputs.empty() && os.posted.empty());
}

TEST_F(MouseHook, LeftButtonAndLeftDoubleClicksPassOn) {
    for (uint32_t m :
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK}) {
        EXPECT_FALSE(At(m, page, Point{100, 100}, 10000)) << std::hex << m;
    }
    EXPECT_TRUE(os.posted.empty());
}

// ---------------------------------------------------------------- pause

TEST_F(MouseHook, PauseFreezesEverything) {
    PauseQuorvel(lib.ctx);
    lib.ClearLog();
    SharedState before = shared;
    HoldButtons(true, true);
    for (uint32_t m = 0; m < 8; ++m) {
        EXPECT_FALSE(At(WM_LBUTTONDOWN + m, page, Point{100, 100}, 10000 + m));
        EXPECT_FALSE(At(WM_NCLBUTTONDOWN + m, page, Point{100, 100}, 10100 + m));
    }
    EXPECT_EQ(std::memcmp(&before, &shared, sizeof shared), 0);
    EXPECT_TRUE(lib.LogLines().empty());
    EXPECT_TRUE(os.posted.empty() && os.inputs.empty() && os.shellCalls.empty());
}

TEST_F(MouseHook, DragArmedBeforeAPauseIsCalledOffByAReleaseWhilePaused) {
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000));
    PauseQuorvel(lib.ctx);
    EXPECT_FALSE(At(WM_RBUTTONUP, page, Point{260, 300}, 10100)) << "paused: the page gets the release";
    EXPECT_EQ(shared.IERButtonDown, 0) << "the pause keeps gestures from starting, not from ending";
    ResumeQuorvel(lib.ctx);
    EXPECT_FALSE(At(WM_RBUTTONUP, page, Point{330, 300}, 20000));
    EXPECT_TRUE(os.inputs.empty()) << "no keystroke, then or later";
    EXPECT_TRUE(os.posted.empty()) << "and no click replayed while paused";
}

// ---------------------------------------------------------------- nothing stays armed

// A gesture whose end the gesture logic does not see as its end is called
// off; the next plain right click elsewhere is a plain right click.
TEST_F(MouseHook, ArmedGesturesNeverOutliveTheirEnd) {
    struct Case {
        const char* what;
        std::function<void()> arm, end;
        size_t inputs;  // keystrokes the gesture's end itself sent
    };
    const auto rightDragOnPage = [this] { EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000)); };
    const auto gated = [this](uint32_t m, Hwnd w, Point p) {
        MouseHookInput in;
        in.message = m;
        in.hwnd = w;
        in.pt = p;
        in.gated = true;
        os.cursor = p;
        os.tick += 100;
        return MouseHookProc(lib.ctx, HC_ACTION, in);
    };
    const Case cases[] = {
        {"a non-client release up on the browser's caption ends it: Ctrl+O", rightDragOnPage,
         [this] {
             EXPECT_TRUE(At(WM_NCRBUTTONUP, browser, Point{300, 20}, 10300));
         },
         1},
        {"a release over an excluded program calls it off", rightDragOnPage,
         [&] {
             EXPECT_FALSE(gated(WM_RBUTTONUP, editor, Point{250, 300}));
         },
         0},
        {"a release while paused calls it off", rightDragOnPage,
         [this] {
             PauseQuorvel(lib.ctx);
             EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{250, 300}, 10300));
             ResumeQuorvel(lib.ctx);
         },
         0},
        {"a press over an excluded program calls it off", rightDragOnPage,
         [&] {
             EXPECT_FALSE(gated(WM_LBUTTONDOWN, editor, Point{250, 300}));
         },
         0},
        {"the release went by unseen: an unrelated left press calls it off", rightDragOnPage,
         [this] {
             EXPECT_FALSE(At(WM_LBUTTONDOWN, editor, Point{250, 300}, 11000));
             EXPECT_FALSE(At(WM_LBUTTONUP, editor, Point{250, 300}, 11050));
         },
         0},
        {"the release went by unseen: a move with the button up calls it off", rightDragOnPage,
         [this] {
             EXPECT_FALSE(At(WM_MOUSEMOVE, editor, Point{250, 300}, 11000));
         },
         0},
        {"a chord whose releases went by unseen: a move with both buttons up",
         [this] {
             HoldButtons(false, true);
             EXPECT_TRUE(At(WM_LBUTTONDOWN, editor, Point{250, 300}, 10000));
             HoldButtons(false, false);
         },
         [this] {
             EXPECT_FALSE(At(WM_MOUSEMOVE, editor, Point{260, 300}, 11000));
         },
         0},
        {"a chord half released: a left press elsewhere",
         [this] {
             HoldButtons(false, true);
             EXPECT_TRUE(At(WM_LBUTTONDOWN, editor, Point{250, 300}, 10000));
             EXPECT_TRUE(At(WM_LBUTTONUP, editor, Point{250, 300}, 10100));
             HoldButtons(false, false);
         },
         [this] {
             EXPECT_FALSE(At(WM_LBUTTONDOWN, editor, Point{250, 300}, 11000));
             EXPECT_FALSE(At(WM_LBUTTONUP, editor, Point{250, 300}, 11050)) << "not the chord's second release";
         },
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        shared.IERButtonDown = shared.ChordPending = shared.ChordSecondUpPending = 0;
        os.ClearRecords();
        os.tick = 10000;
        c.arm();
        c.end();
        EXPECT_EQ(os.inputs.size(), c.inputs);
        EXPECT_EQ(shared.IERButtonDown + shared.ChordPending + shared.ChordSecondUpPending, 0);
        EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{400, 400}, 20000));
        EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{400, 400}, 20100)) << "the plain click's release passes on";
        EXPECT_EQ(os.inputs.size(), c.inputs) << "and sends no keystroke";
    }
}

TEST_F(MouseHook, AMoveCallsOffOnlyWhenTheButtonIsUpAndItsReleaseIsNotQueued) {
    struct Case {
        bool heldAsOfMove, heldNow, releaseQueued, nonClientQueued;
        bool calledOff;
    } cases[] = {
        {true, true, false, false, false},   // dragging
        {false, true, false, false, false},  // still held (the press may not show as of the move)
        {true, false, false, false, false},  // just released, the release still to come
        {false, false, true, false, false},  // released, the release waits in this thread's queue
        {false, false, false, true, false},  // ... over a frame
        {false, false, false, false, true},  // released where no hook saw it
    };
    for (const Case& c : cases) {
        shared.IERButtonDown = 0;
        os.queued.clear();
        At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000);
        os.keyStates[VK_RBUTTON] = c.heldAsOfMove ? static_cast<int16_t>(0x8000) : 0;
        os.asyncKeys[VK_RBUTTON] = c.heldNow ? static_cast<int16_t>(0x8000) : 0;
        if (c.releaseQueued) os.queued[{0, WM_RBUTTONUP}] = QueuedMessage{};
        if (c.nonClientQueued) os.queued[{0, WM_NCRBUTTONUP}] = QueuedMessage{};
        EXPECT_FALSE(At(WM_MOUSEMOVE, page, Point{290, 300}, 10100));
        EXPECT_EQ(shared.IERButtonDown, c.calledOff ? 0 : 1) << c.heldAsOfMove << c.heldNow << c.releaseQueued;
    }
    // Swapped buttons: the logical right button is the physical left one.
    os.metrics[SM_SWAPBUTTON] = 1;
    At(WM_RBUTTONDOWN, page, Point{300, 300}, 20000);
    os.queued.clear();
    os.keyStates[VK_RBUTTON] = os.asyncKeys[VK_RBUTTON] = 0;
    os.keyStates[VK_LBUTTON] = static_cast<int16_t>(0x8000);
    At(WM_MOUSEMOVE, page, Point{290, 300}, 20100);
    EXPECT_EQ(shared.IERButtonDown, 1);
    EXPECT_TRUE(Logged("Gesture called off, its button is no longer down: right drag"));
}

}  // namespace
}  // namespace quorvel::testing
