#include "tutorial/Operations.h"

#include <gtest/gtest.h>

namespace quorvel::tutorial {
namespace {

TEST(Operations, CaptionsInColumnOrder) {
    const char* captions[OPERATION_COUNT] = {"IE Go Back",
                                             "IE Go Forward",
                                             "IE Stop",
                                             "IE Go To URL",
                                             "Launch New IE",
                                             "Minimize Application",
                                             "Maximize Application",
                                             "Restore Application",
                                             "Close Application",
                                             "Show Desktop",
                                             "Switch to Last Active Application"};
    for (int i = 0; i < OPERATION_COUNT; ++i) EXPECT_STREQ(GetOperation(i).caption, captions[i]);
    EXPECT_THROW(GetOperation(OPERATION_COUNT), std::out_of_range);
    EXPECT_THROW(GetOperation(-1), std::out_of_range);
}

TEST(Operations, ClickShortcutsAreTheCircleTheDoubleClicksAndTheChord) {
    for (int i = 0; i < OPERATION_COUNT; ++i) {
        const bool click = i == 4 || i == 8 || i == 9 || i == 10;
        EXPECT_EQ(IsClickShortcut(i), click) << i;
        EXPECT_EQ(GetOperation(i).kind == ShortcutKind::Click, click) << i;
    }
}

TEST(StepCaption, BrowserDragsUseTheRightButton) {
    EXPECT_EQ(StepCaption(1, 0), "Step 1. Press mouse right button");
    EXPECT_EQ(StepCaption(2, 0), "Step 2. Move mouse toward left");
    EXPECT_EQ(StepCaption(2, 1), "Step 2. Move mouse toward right");
    EXPECT_EQ(StepCaption(2, 2), "Step 2. Move mouse downward");
    EXPECT_EQ(StepCaption(2, 3), "Step 2. Move mouse upward");
    EXPECT_EQ(StepCaption(3, 3), "Step 3. Release mouse right button");
}

TEST(StepCaption, ApplicationDragsUseTheMiddleButton) {
    for (int index : {5, 6, 7}) {
        EXPECT_EQ(StepCaption(1, index), "Step 1. Press mouse middle button");
        EXPECT_EQ(StepCaption(3, index), "Step 3. Release mouse middle button");
    }
    EXPECT_EQ(StepCaption(2, 5), "Step 2. Move mouse toward left");
    EXPECT_EQ(StepCaption(2, 6), "Step 2. Move mouse toward right");
    EXPECT_EQ(StepCaption(2, 7), "Step 2. Move mouse toward right");
    EXPECT_THROW(StepCaption(4, 5), std::out_of_range);
}

TEST(ClickInstruction, OneLinePerClickShortcut) {
    EXPECT_EQ(ClickInstruction(4), "Draw a circle using mouse. You should finish it within 1.5 seconds.");
    EXPECT_EQ(ClickInstruction(8), "Double click mouse right button");
    EXPECT_EQ(ClickInstruction(9), "Double click mouse middle button");
    EXPECT_EQ(ClickInstruction(10), "Press mouse left and right button at the same time, then release them.");
    EXPECT_THROW(ClickInstruction(0), std::out_of_range);
}

}  // namespace
}  // namespace quorvel::tutorial
