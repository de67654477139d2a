#include "common/Twips.h"

#include <gtest/gtest.h>

#include "control/core/FormTables.h"
#include "control/core/InstanceHandOver.h"
#include "control/core/ProgramPaths.h"

namespace quorvel {
namespace {

TEST(Twips, FifteenTwipsPerPixelAt96DotsPerInch) {
    EXPECT_EQ(TwipsToPixels(1248, 96), 83);   // 83.2
    EXPECT_EQ(TwipsToPixels(5664, 96), 378);  // 377.6
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_DOUBLE_EQ(PixelsToTwips(83, 96), 1245);
}

TEST(Twips, UsesTheDisplaysRealPixelsPerInch) {
    EXPECT_EQ(TwipsToPixels(1440, 120), 120);
    EXPECT_EQ(TwipsToPixels(372, 120), 31);  // 12 twips per pixel
    EXPECT_EQ(TwipsToPixels(1440, 0), 96);   // a display that reports nothing
}

TEST(Twips, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfToEven(2.5), 2);
    EXPECT_EQ(RoundHalfToEven(3.5), 4);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2);
    EXPECT_EQ(TwipsToPixels(22.5, 96), 2);  // 1.5 px
    EXPECT_EQ(TwipsToPixels(37.5, 96), 2);  // 2.5 px
}

TEST(InstanceHandOver, CentresOnTheWorkAreaHalvesToEven) {
    const ScreenPoint origin = CentredOrigin(1024, 740, 384, 83);
    EXPECT_EQ(origin.x, 320);
    EXPECT_EQ(origin.y, 328);                             // 328.5 -> 328
    EXPECT_EQ(CentredOrigin(1024, 741, 384, 84).y, 328);  // 328.5
    EXPECT_EQ(CentredOrigin(1024, 743, 384, 84).y, 330);  // 329.5
}

TEST(InstanceHandOver, OnlyAWindowWithTheMarkerIsTheRunningInstance) {
    EXPECT_TRUE(IsRunningInstance({true, OWN_WINDOW_MARKER, 10, 10}));
    EXPECT_FALSE(IsRunningInstance({true, 0, 10, 10}));
    EXPECT_FALSE(IsRunningInstance({false, OWN_WINDOW_MARKER, 0, 0}));
}

TEST(ProgramPaths, FolderOfTheExecutableWhateverItsName) {
    EXPECT_EQ(ProgramDirectoryOf("C:\\Quorvel\\Quorvel.exe"), "C:\\Quorvel\\");
    EXPECT_EQ(ProgramDirectoryOf("C:\\Tools\\qv.exe"), "C:\\Tools\\");
    EXPECT_EQ(ProgramDirectoryOf("Quorvel.exe"), "");
    EXPECT_EQ(HelpFilePathOf("C:\\Quorvel\\Quorvel.exe"), "C:\\Quorvel\\Quorvel.chm");
    EXPECT_EQ(HelpFilePathOf("Quorvel.exe"), "\\Quorvel.chm");
}

TEST(FormTables, SettingFormFrameHoldsTheTenShortcutBoxesAndTwoLabels) {
    const FormTable& table = SettingFormTable();
    ASSERT_EQ(table.controls.size(), 19u);
    int inFrame = 0;
    for (const ControlRow& control : table.controls) {
        if (control.container == SettingFrame1) ++inFrame;
    }
    EXPECT_EQ(inFrame, 12);
    EXPECT_EQ(table.controls[SettingCommandOK].role, ControlRole::Default);
    EXPECT_EQ(table.controls[SettingCommandCancel].role, ControlRole::Cancel);
    EXPECT_EQ(MainFormTable().controls[Command1].role, ControlRole::Default);
    EXPECT_EQ(MainFormTable().controls[CancelCommand].role, ControlRole::Cancel);
}

}  // namespace
}  // namespace quorvel
