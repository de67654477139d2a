#include "tutorial/FormLayout.h"

#include <gtest/gtest.h>

namespace quorvel::tutorial {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtTheDisplayDpi) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(930, 96), 62);
    EXPECT_EQ(TwipsToPixels(318, 96), 21);    // 21.2
    EXPECT_EQ(TwipsToPixels(1542, 96), 103);  // 102.8
    EXPECT_EQ(TwipsToPixels(930, 144), 93);
    EXPECT_EQ(TwipsToPixels(9444, 144), 944);  // 944.4
    EXPECT_EQ(TwipsToPixels(-23, 96), -2);     // -1.53
    EXPECT_EQ(TwipsToPixels(0, 120), 0);
}

TEST(FormLayout, OperationLabelsAreStackedEvery576Twips) {
    for (int i = 1; i < OPERATION_COUNT; ++i) {
        EXPECT_EQ(OperationLabelRect(i).top - OperationLabelRect(i - 1).top, 576);
        EXPECT_EQ(OperationLabelRect(i).left, OperationLabelRect(0).left);
    }
    const TwipsRect last = OperationLabelRect(OPERATION_COUNT - 1);
    EXPECT_LE(last.top + last.height, CLIENT_HEIGHT_TWIPS);
}

TEST(FormLayout, FixedPlacesOfTheDesign) {
    const TwipsRect picture = DesignRect(Control::Picture1);
    EXPECT_EQ(picture.left, 6504);
    EXPECT_EQ(picture.top, 216);
    EXPECT_EQ(picture.width, 2820);
    EXPECT_EQ(picture.height, 2340);
    EXPECT_EQ(DesignRect(Control::PictureMouse).left, 930);
    EXPECT_EQ(DesignRect(Control::PictureMouse).top, 660);
    const TwipsRect frame = DesignRect(Control::Frame1);
    EXPECT_EQ(frame.left, 2544);
    EXPECT_EQ(frame.top, 2832);
    EXPECT_EQ(frame.width, 6732);
    EXPECT_EQ(frame.height, 3516);
    EXPECT_EQ(DesignRect(Control::LabelStep1).top, 336);
    EXPECT_EQ(DesignRect(Control::LabelStep2).top, 948);
    EXPECT_EQ(DesignRect(Control::LabelStep3).top, 1548);
    EXPECT_STREQ(DesignCaption(Control::CommandShowAgain), "&Show Again");
    EXPECT_STREQ(DesignCaption(Control::Frame1), "Description ");
}

TEST(FormLayout, TheMousePictureStaysInsideTheDrawingAreaOnEveryPath) {
    const TwipsRect area = DesignRect(Control::Picture1);
    const TwipsRect mouse = DesignRect(Control::PictureMouse);
    // Farthest places: the drags reach 612 twips from home, the circle 650
    // and the circle's starting place 750 to the right.
    EXPECT_GE(mouse.left - 650, 0);
    EXPECT_GE(mouse.top - 650, 0);
    EXPECT_LE(mouse.left + 750 + mouse.width, area.width);
    EXPECT_LE(mouse.top + 650 + mouse.height, area.height);
}

}  // namespace
}  // namespace quorvel::tutorial
