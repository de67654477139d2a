// The mouse hook's left+right chord, which switches to the last application.
#include "MouseHookDesktop.h"
#include "hooklib/gestures/ButtonMessages.h"

namespace quorvel::testing {
namespace {

using namespace win;

// ---------------------------------------------------------------- the left+right chord

// Each chord: the first press (the program sees it, unless it armed a drag
// over a page), the second press, the two releases in the given order, the
// cursor moved to `release` before them. The program is owed the release of
// the button it saw pressed, at the cursor in its client coordinates.
struct ChordCase {
    const char* name;
    uint32_t firstPress;
    bool overPage;
    bool leftFirst;  // which button went down first
    bool firstReleasedFirst;
    uint32_t owedRelease;  // 0: nothing is posted
};

TEST_F(MouseHook, ChordSwitchesToTheLastApplicationAndOwesOnlyTheSeenRelease) {
    const ChordCase cases[] = {
        {"left first, natural roll", WM_LBUTTONDOWN, false, true, true, WM_LBUTTONUP},
        {"left first, right released first", WM_LBUTTONDOWN, false, true, false, WM_LBUTTONUP},
        {"right first", WM_RBUTTONDOWN, false, false, true, WM_RBUTTONUP},
        {"left first on the caption", WM_NCLBUTTONDOWN, false, true, true, WM_LBUTTONUP},
        {"left first over a page", WM_LBUTTONDOWN, true, true, true, WM_LBUTTONUP},
        {"right first over a page: it saw nothing", WM_RBUTTONDOWN, true, false, true, 0},
    };
    uint32_t t = 10000;
    for (const ChordCase& c : cases) {
        SCOPED_TRACE(c.name);
        os.posted.clear();
        os.inputs.clear();
        t += 5000;
        const Hwnd w = c.overPage ? page : editor;
        const Rect r = c.overPage ? Rect{10, 50, 790, 590} : Rect{100, 100, 700, 500};
        HoldButtons(c.leftFirst, !c.leftFirst);
        EXPECT_EQ(At(c.firstPress, w, Point{200, 200}, t), c.overPage && !c.leftFirst);
        HoldButtons(true, true);
        EXPECT_TRUE(At(c.leftFirst ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, w, Point{200, 200}, t + 50));
        EXPECT_EQ(shared.IERButtonDown, 0) << "a chord leaves no drag armed";
        const bool leftUpFirst = c.leftFirst == c.firstReleasedFirst;
        HoldButtons(!leftUpFirst, leftUpFirst);
        EXPECT_TRUE(At(leftUpFirst ? WM_LBUTTONUP : WM_RBUTTONUP, w, Point{230, 210}, t + 200));
        EXPECT_TRUE(os.posted.empty() && os.inputs.empty());
        HoldButtons(false, false);
        EXPECT_TRUE(Deliver(leftUpFirst ? WM_RBUTTONUP : WM_LBUTTONUP, w, Point{0, 0}, Point{240, 220}, t + 300));
        std::vector<PostedMessage> owed;
        if (c.owedRelease) owed.push_back({w, c.owedRelease, 0, PackPointLParam(240 - r.left, 220 - r.top)});
        EXPECT_EQ(os.posted, owed);
        ASSERT_NE(OnlyInput(), nullptr);
        EXPECT_EQ(KeyOf(1), VK_TAB);
        EXPECT_EQ(shared.ChordPending, 0);
        EXPECT_EQ(shared.ChordSecondUpPending, 0);
    }
    EXPECT_FALSE(Logged("Right button up")) << "a swallowed chord release never reaches the right-button logic";
    // A later right click elsewhere is an ordinary click: no keystroke.
    os.inputs.clear();
    EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{300, 300}, t + 6000));
    EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{200, 300}, t + 6100));
    EXPECT_TRUE(os.inputs.empty());
}

TEST_F(MouseHook, ChordWithSwappedButtonsOnTheCaption) {
    os.metrics[SM_SWAPBUTTON] = 1;
    // physical right = logical left
    HoldButtons(false, true);
    EXPECT_FALSE(At(WM_NCLBUTTONDOWN, browser, Point{5, 5}, 10000));
    EXPECT_EQ(shared.LButtonHeld, 1);
    HoldButtons(true, true);
    EXPECT_TRUE(At(WM_NCRBUTTONDOWN, browser, Point{5, 5}, 10050));
    EXPECT_TRUE(At(WM_NCLBUTTONUP, browser, Point{5, 5}, 10100));
    EXPECT_TRUE(At(WM_NCRBUTTONUP, browser, Point{7, 9}, 10150));
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{browser, WM_LBUTTONUP, 0, PackPointLParam(7, 9)}}));
    EXPECT_EQ(os.inputs.size(), 1u);
}

TEST_F(MouseHook, NoChordOn9xOrWithItsBitOff) {
    for (int variant = 0; variant < 2; ++variant) {
        SCOPED_TRACE(variant == 0 ? "9x" : "bit off");
        if (variant == 0)
            shared.IsNTPlatform = 0;
        else {
            shared.IsNTPlatform = 1;
            SettingOff(SETTING_APP_SWITCH_TO_LAST);
        }
        HoldButtons(true, true);
        uint32_t t = 10000 + variant * 10000;
        EXPECT_FALSE(At(WM_LBUTTONDOWN, editor, Point{200, 200}, t));
        EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{200, 200}, t + 50));
        EXPECT_EQ(shared.LButtonHeld, 0) << "no sampling";
        EXPECT_EQ(shared.ChordPending, 0);
        EXPECT_FALSE(At(WM_LBUTTONUP, editor, Point{200, 200}, t + 100));
        EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{200, 200}, t + 150));
        EXPECT_TRUE(os.inputs.empty() && os.posted.empty());
    }
}

TEST_F(MouseHook, MiddleMessagesNeverSampleTheButtons) {
    HoldButtons(true, true);
    At(WM_MBUTTONDOWN, editor, Point{200, 200}, 10000);
    At(WM_MBUTTONUP, editor, Point{200, 200}, 10100);
    EXPECT_EQ(shared.LButtonHeld, 0);
    EXPECT_EQ(shared.RButtonHeld, 0);
}

}  // namespace
}  // namespace quorvel::testing
