#include "tutorial/MainForm.h"

#include <gtest/gtest.h>

#include "FakeTutorialView.h"

namespace quorvel::tutorial {
namespace {

class MainFormTest : public ::testing::Test {
protected:
    void Load() {
        form.Form_Load();
        form.TimerAnimateLabel_Timer();
        view.Clear();
    }
    bool AllOperationsDisabled() const {
        for (const auto& op : view.operations)
            if (op.enabled) return false;
        return true;
    }
    void ExpectOnlySelectedDisabled(int selected) {
        for (int i = 0; i < OPERATION_COUNT; ++i) EXPECT_EQ(view.operations[i].enabled, i != selected) << i;
    }

    FakeTutorialView view;
    MainForm form{view};
};

TEST_F(MainFormTest, LoadPaintsTheColumnAndStartsTheOpeningTimer) {
    form.Form_Load();
    EXPECT_EQ(view.timerMs, 10);
    EXPECT_FALSE(form.AnimationReady());
    EXPECT_EQ(form.SelectedOperation(), -1);
    EXPECT_EQ(form.HoveredOperation(), -1);
    for (const auto& op : view.operations) EXPECT_EQ(op.color, kNormalColor);
}

TEST_F(MainFormTest, OpeningGrowsEachLabelInFiveStepsThenIsReady) {
    form.Form_Load();
    form.TimerAnimateLabel_Timer();
    EXPECT_EQ(view.timerMs, 0);
    const int full = OperationLabelRect(0).height;
    std::vector<std::string> expected;
    for (int i = 0; i < OPERATION_COUNT; ++i) {
        expected.push_back("operation " + std::to_string(i) + " height 0");
        for (int k = 0; k <= 5; ++k) {
            expected.push_back("operation " + std::to_string(i) + " height " + std::to_string(full * k / 5));
            expected.push_back("pause 10");
        }
    }
    expected.push_back(FakeTutorialView::Name(Control::LabelHead) + " show");
    EXPECT_EQ(view.log, expected);
    for (const auto& op : view.operations) EXPECT_TRUE(op.visible);
    EXPECT_TRUE(form.AnimationReady());
    EXPECT_TRUE(view[Control::LabelHead].visible);
}

TEST_F(MainFormTest, ClicksBeforeTheOpeningEndsAreIgnored) {
    form.Form_Load();
    form.LabelOperation_Click(0);  // before the timer
    view.onPause = [&] { form.LabelOperation_Click(1); };
    form.TimerAnimateLabel_Timer();  // during the opening
    view.onPause = nullptr;
    EXPECT_EQ(form.SelectedOperation(), -1);
    EXPECT_FALSE(view[Control::Picture1].visible);
    EXPECT_TRUE(form.AnimationReady());
}

TEST_F(MainFormTest, DragShortcutPlaysTheWholeScript) {
    Load();
    bool disabledWhileAnimating = true;
    view.onPause = [&] { disabledWhileAnimating = disabledWhileAnimating && AllOperationsDisabled(); };
    form.LabelOperation_Click(kIEGoBack);
    view.onPause = nullptr;

    EXPECT_TRUE(disabledWhileAnimating);
    EXPECT_TRUE(view[Control::Picture1].visible);
    EXPECT_FALSE(view[Control::LabelHead].visible);
    EXPECT_FALSE(view[Control::PictureArrowLeft].visible);
    EXPECT_EQ(view[Control::LabelStep1].caption, "Step 1. Press mouse right button");
    EXPECT_EQ(view[Control::LabelStep2].caption, "Step 2. Move mouse toward left");
    EXPECT_EQ(view[Control::LabelStep3].caption, "Step 3. Release mouse right button");
    for (Control step : {Control::LabelStep1, Control::LabelStep2, Control::LabelStep3}) {
        EXPECT_TRUE(view[step].visible);
        EXPECT_EQ(view[step].height, 500);
    }
    EXPECT_EQ(view[Control::LabelCursorMovement].caption, "Cursor minimum movement :");
    EXPECT_TRUE(view[Control::LabelCursorMovement].visible);
    EXPECT_TRUE(view[Control::LabelMoveDescription].visible);
    EXPECT_TRUE(view[Control::LineHorizontal].visible);
    EXPECT_FALSE(view[Control::ShapeCircle].visible);
    EXPECT_EQ(view[Control::LabelDescriptionText].caption, FillDescriptions()[kIEGoBack]);
    EXPECT_TRUE(view[Control::Frame1].visible);
    EXPECT_TRUE(view[Control::CommandShowAgain].visible);
    EXPECT_FALSE(view[Control::LabelSeeAnimation].visible);
    EXPECT_FALSE(view[Control::PictureArrowRight].visible);
    EXPECT_EQ(view[Control::LabelSeeAnimation].width, DesignRect(Control::LabelSeeAnimation).width);
    EXPECT_EQ(view[Control::PictureArrowRight].width, DesignRect(Control::PictureArrowRight).width);

    // Home, then 51 moves of 12 twips to the left.
    ASSERT_EQ(view.moves.size(), 52u);
    EXPECT_EQ(view.moves.front(), std::make_pair(930, 660));
    EXPECT_EQ(view.moves[1], std::make_pair(918, 660));
    EXPECT_EQ(view.moves.back(), std::make_pair(930 - 612, 660));
    EXPECT_EQ(view.pictures,
              (std::vector<MousePicture>{MousePicture::NoButton, MousePicture::RightButton, MousePicture::NoButton}));
    // select 500, three reveals of 26 x 20 + 1000 + 500, "See animation" 200 + 100 + 500,
    // 500, home 500, 1000, 300, 51 x 10, 300, 1000.
    EXPECT_EQ(view.totalPauseMs, 500 + 3 * (26 * 20 + 1000 + 500) + 800 + 500 + 500 + 1000 + 300 + 510 + 300 + 1000);

    EXPECT_EQ(form.SelectedOperation(), kIEGoBack);
    EXPECT_EQ(view.operations[kIEGoBack].color, SELECTED_COLOR);
    ExpectOnlySelectedDisabled(kIEGoBack);
    EXPECT_FALSE(form.Animating());
}

TEST_F(MainFormTest, DragsMoveInTheirDirectionWithTheirButton) {
    Load();
    form.LabelOperation_Click(kIEGoToURL);
    EXPECT_EQ(view.moves.back(), std::make_pair(930, 660 - 612));
    EXPECT_EQ(view.pictures[1], MousePicture::RightButton);
    view.Clear();
    form.LabelOperation_Click(kIEStop);
    EXPECT_EQ(view.moves.back(), std::make_pair(930, 660 + 612));
    view.Clear();
    form.LabelOperation_Click(kRestoreApplication);
    EXPECT_EQ(view.moves.back(), std::make_pair(930 + 612, 660));
    EXPECT_EQ(view.pictures[1], MousePicture::MiddleButton);
    EXPECT_EQ(view[Control::LabelStep1].caption, "Step 1. Press mouse middle button");
    EXPECT_EQ(view[Control::LabelStep2].caption, "Step 2. Move mouse toward right");
}

TEST_F(MainFormTest, CircleRunsFortyPositionsInOneSecond) {
    Load();
    form.LabelOperation_Click(kLaunchNewIE);
    EXPECT_EQ(view[Control::LabelCursorMovement].caption, "Cursor trace minimum circle : ");
    EXPECT_TRUE(view[Control::LabelCursorMovement].visible);
    EXPECT_TRUE(view[Control::ShapeCircle].visible);
    EXPECT_FALSE(view[Control::LabelMoveDescription].visible);
    EXPECT_FALSE(view[Control::LineHorizontal].visible);
    EXPECT_FALSE(view[Control::LabelStep1].visible);
    EXPECT_FALSE(view[Control::LabelStep3].visible);
    EXPECT_EQ(view[Control::LabelStep2].caption, "Draw a circle using mouse. You should finish it within 1.5 seconds.");
    ASSERT_EQ(view.moves.size(), 41u);
    EXPECT_EQ(view.moves[0], std::make_pair(930 + 750, 660));
    const auto circle = CirclePositions({930, 660});
    for (size_t i = 0; i < circle.size(); ++i)
        EXPECT_EQ(view.moves[i + 1], std::make_pair(circle[i].left, circle[i].top));
    EXPECT_EQ(view.Count("pause 25"), 40);
    EXPECT_TRUE(view.pictures.empty());
    EXPECT_TRUE(view[Control::CommandShowAgain].visible);
}

TEST_F(MainFormTest, AnimationsKeepTheirPaceOnWindowsTimerTick) {
    view.tickUs = 15625;
    Load();
    const struct {
        int operation;
        size_t firstMove, lastMove;  // of the paced stretch, in view.moves
        long long spanMs;            // from the first of them to the last
    } cases[] = {{kLaunchNewIE, 1, 40, 39 * 25}, {kIEGoBack, 1, 51, 50 * 10}, {kMaximizeApplication, 1, 51, 50 * 10}};
    for (const auto& c : cases) {
        view.Clear();
        form.LabelOperation_Click(c.operation);
        ASSERT_GT(view.moveTimes.size(), c.lastMove);
        const long long span = view.moveTimes[c.lastMove] - view.moveTimes[c.firstMove];
        EXPECT_NEAR(span, c.spanMs, 16) << c.operation;
    }
}

TEST_F(MainFormTest, DoubleClickAlternatesTheButtonWithThePlainMouse) {
    Load();
    form.LabelOperation_Click(kCloseApplication);
    EXPECT_EQ(view[Control::LabelStep2].caption, "Double click mouse right button");
    EXPECT_FALSE(view[Control::LabelStep1].visible);
    EXPECT_FALSE(view[Control::LabelStep3].visible);
    EXPECT_FALSE(view[Control::LabelCursorMovement].visible);
    EXPECT_FALSE(view[Control::LabelMoveDescription].visible);
    EXPECT_FALSE(view[Control::LineHorizontal].visible);
    EXPECT_EQ(view.pictures, (std::vector<MousePicture>{MousePicture::RightButton, MousePicture::NoButton,
                                                        MousePicture::RightButton, MousePicture::NoButton}));
    view.Clear();
    form.LabelOperation_Click(kShowDesktop);
    EXPECT_EQ(view[Control::LabelStep2].caption, "Double click mouse middle button");
    EXPECT_EQ(view.pictures[0], MousePicture::MiddleButton);
}

TEST_F(MainFormTest, ChordPressesBothButtonsForASecond) {
    Load();
    form.LabelOperation_Click(kSwitchToLastApplication);
    EXPECT_EQ(view[Control::LabelStep2].caption,
              "Press mouse left and right button at the same time, then release them.");
    EXPECT_EQ(view.pictures, (std::vector<MousePicture>{MousePicture::LeftRightButton, MousePicture::NoButton}));
    // select 500, reveal 26 x 20 + 1000, 1000, "See animation" 800, home 500 + 1000, 1000, 500, 1000.
    EXPECT_EQ(view.totalPauseMs, 500 + 1520 + 1000 + 800 + 1500 + 1000 + 500 + 1000);
}

TEST_F(MainFormTest, HoverHighlightsOneLabelButNeverTheSelectedOne) {
    Load();
    form.LabelOperation_MouseMove(2);
    EXPECT_EQ(view.operations[2].color, kHoverColor);
    form.LabelOperation_MouseMove(3);
    EXPECT_EQ(view.operations[2].color, kNormalColor);
    EXPECT_EQ(view.operations[3].color, kHoverColor);
    form.Frame1_MouseMove();
    EXPECT_EQ(view.operations[3].color, kNormalColor);
    EXPECT_EQ(form.HoveredOperation(), -1);

    form.LabelOperation_Click(5);
    form.LabelOperation_MouseMove(5);
    EXPECT_EQ(view.operations[5].color, SELECTED_COLOR);
    EXPECT_EQ(form.HoveredOperation(), -1);

    // Choosing another operation gives the old one its normal colour back.
    form.LabelOperation_Click(6);
    EXPECT_EQ(view.operations[5].color, kNormalColor);
    EXPECT_EQ(view.operations[6].color, SELECTED_COLOR);
    ExpectOnlySelectedDisabled(6);
}

TEST_F(MainFormTest, ClickingTheSelectedOperationAgainReplaysNothing) {
    Load();
    form.LabelOperation_Click(8);
    view.Clear();
    form.LabelOperation_Click(8);
    EXPECT_EQ(view.totalPauseMs, 0);
    ExpectOnlySelectedDisabled(8);
}

TEST_F(MainFormTest, ShowAgainReplaysWithoutStepRevealOrSeeAnimation) {
    Load();
    form.LabelOperation_Click(kMinimizeApplication);
    view.Clear();
    bool lockedWhileReplaying = true;
    view.onPause = [&] {
        lockedWhileReplaying =
            lockedWhileReplaying && AllOperationsDisabled() && !view[Control::CommandShowAgain].enabled;
        form.LabelOperation_Click(kIEGoBack);  // must not start a second animation
        form.CommandShowAgain_Click();
    };
    form.CommandShowAgain_Click();
    view.onPause = nullptr;
    EXPECT_TRUE(lockedWhileReplaying);
    EXPECT_EQ(form.SelectedOperation(), kMinimizeApplication);
    EXPECT_EQ(view.Count(FakeTutorialView::Name(Control::LabelSeeAnimation) + " show"), 0);
    EXPECT_EQ(view.Count(FakeTutorialView::Name(Control::LabelStep1) + " height 0"), 0);
    EXPECT_EQ(view.pictures,
              (std::vector<MousePicture>{MousePicture::NoButton, MousePicture::MiddleButton, MousePicture::NoButton}));
    EXPECT_EQ(view.moves.back(), std::make_pair(930 - 612, 660));
    EXPECT_EQ(view.totalPauseMs, 500 + 1000 + 300 + 510 + 300 + 1000);
    EXPECT_TRUE(view[Control::CommandShowAgain].enabled);
    ExpectOnlySelectedDisabled(kMinimizeApplication);
}

TEST_F(MainFormTest, EndingProgramStopsTheAnimationAtTheNextPause) {
    Load();
    view.pausesLeft = 3;
    form.LabelOperation_Click(kIEGoForward);
    EXPECT_FALSE(form.Animating());
    EXPECT_EQ(view.Count("pause 20"), 3);  // the fourth pause ended it
    EXPECT_FALSE(view[Control::Frame1].visible);
}

}  // namespace
}  // namespace quorvel::tutorial
