// Scenario tests of the mouse hook: each gesture as the sequence of messages
// a program would receive, with what is swallowed, posted, sent and logged.
// Here what every gesture shares (what passes untouched, the pause); the
// gestures have a file each (RightDragTest, RightDoubleClickTest,
// MiddleButtonTest, ButtonChordTest).
#include <cstring>
#include <vector>

#include "MouseHookDesktop.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/gestures/ButtonMessages.h"
#include "hooklib/gestures/GestureCancel.h"

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
    EXPECT_TRUE(os.inputs.empty() && os.posted.empty()) << "no keystroke, no click replayed, then or later";
}

// ---------------------------------------------------------------- nothing stays armed

// A gesture's press, then how its end came (gated: over an excluded
// program); afterwards nothing is armed and the next plain right click
// elsewhere passes on and sends no keystroke.
TEST_F(MouseHook, ArmedGesturesNeverOutliveTheirEnd) {
    enum How { PLAIN, GATED, PAUSED };
    struct Event {
        uint32_t message;
        How how = PLAIN;
    };
    struct Case {
        const char* what;
        uint32_t press;
        bool chord;  // the right button held at the press
        std::vector<Event> end;
        size_t keys;  // keystrokes the end itself sent
    } cases[] = {
        {"non-client release up on the caption: Ctrl+O", WM_RBUTTONDOWN, false, {{WM_NCRBUTTONUP}}, 1},
        {"release over an excluded program", WM_RBUTTONDOWN, false, {{WM_RBUTTONUP, GATED}}, 0},
        {"release while paused", WM_RBUTTONDOWN, false, {{WM_RBUTTONUP, PAUSED}}, 0},
        {"unseen release, left click", WM_RBUTTONDOWN, false, {{WM_LBUTTONDOWN, PLAIN}, {WM_LBUTTONUP, PLAIN}}, 0},
        {"unseen release, a move with the button up", WM_RBUTTONDOWN, false, {{WM_MOUSEMOVE}}, 0},
        {"middle release over an excluded program", WM_MBUTTONDOWN, false, {{WM_MBUTTONUP, GATED}}, 0},
        {"chord, unseen releases, a move", WM_LBUTTONDOWN, true, {{WM_MOUSEMOVE}}, 0},
        {"half chord, left click", WM_LBUTTONDOWN, true, {{WM_LBUTTONUP}, {WM_LBUTTONDOWN}, {WM_LBUTTONUP}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        os.ClearRecords();
        HoldButtons(false, c.chord);
        At(c.press, c.press == WM_RBUTTONDOWN ? page : editor, Point{300, 300}, 10000);
        HoldButtons(false, false);
        for (const Event& e : c.end) {
            const bool frame = e.message == WM_NCRBUTTONUP;
            shared.Paused = e.how == PAUSED;
            os.cursor = frame ? Point{300, 20} : Point{250, 300};
            os.tick += 100;
            MouseHookProc(lib.ctx, HC_ACTION, {e.message, os.cursor, frame ? browser : editor, e.how == GATED});
        }
        shared.Paused = 0;
        EXPECT_EQ(GesturesUnderWay(shared), 0u);
        EXPECT_EQ(os.inputs.size(), c.keys);
        EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{400, 400}, 20000));
        EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{400, 400}, 20100));
        EXPECT_EQ(os.inputs.size(), c.keys);
    }
}

TEST_F(MouseHook, AMoveCallsOffOnlyWhenTheButtonIsUpAndItsReleaseIsNotQueued) {
    struct Case {
        bool heldAsOfMove, heldNow;
        uint32_t queued;  // a release waiting in the thread's queue
        bool calledOff;
    } cases[] = {{true, true, 0, false},
                 {true, false, 0, false},
                 {false, false, WM_NCRBUTTONUP, false},
                 {false, false, 0, true}};
    for (const Case& c : cases) {
        os.queued.clear();
        At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000);
        os.keyStates[VK_RBUTTON] = c.heldAsOfMove ? static_cast<int16_t>(0x8000) : 0;
        os.asyncKeys[VK_RBUTTON] = c.heldNow ? static_cast<int16_t>(0x8000) : 0;
        if (c.queued) os.queued[{0, c.queued}] = QueuedMessage{};
        EXPECT_FALSE(At(WM_MOUSEMOVE, page, Point{290, 300}, 10100));
        EXPECT_EQ(shared.IERButtonDown, c.calledOff ? 0 : 1) << c.heldAsOfMove << c.heldNow << c.queued;
    }
}

}  // namespace
}  // namespace quorvel::testing
