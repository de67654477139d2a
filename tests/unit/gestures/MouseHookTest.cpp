// Scenario tests of the mouse hook: each gesture as the sequence of messages
// a program would receive, with what is swallowed, posted, sent and logged.
// Here what every gesture shares (what passes untouched, the pause); the
// gestures have a file each (RightDragTest, RightDoubleClickTest,
// MiddleButtonTest, ButtonChordTest).
#include <cstring>

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

TEST_F(MouseHook, DragArmedBeforeAPauseEndsAtTheFirstReleaseAfterResume) {
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000));
    PauseQuorvel(lib.ctx);
    EXPECT_FALSE(At(WM_RBUTTONUP, page, Point{260, 300}, 10100)) << "paused: the page gets the release";
    EXPECT_EQ(shared.IERButtonDown, 1);
    ResumeQuorvel(lib.ctx);
    EXPECT_TRUE(At(WM_RBUTTONUP, page, Point{330, 300}, 20000));
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_RIGHT) << "measured from the old start";
}

}  // namespace
}  // namespace quorvel::testing
