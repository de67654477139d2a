#include "common/Twips.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

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
    ASSERT_EQ(table.controls.size(), 24u);
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

TEST(FormTables, EachAccessKeyOnceInItsForm) {
    for (const FormTable* table : {&MainFormTable(), &SettingFormTable(), &PromptRestFormTable()}) {
        std::string keys;
        for (const ControlRow& control : table->controls) {
            const char* amp = std::strchr(control.caption, '&');
            if (!amp || !amp[1]) continue;
            const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(amp[1])));
            EXPECT_EQ(keys.find(key), std::string::npos) << table->caption << ": " << control.caption;
            keys += key;
        }
    }
}

// In high contrast a colour of the form's own gives way to the user's
// window colours; the text goes with the background.
TEST(FormTables, PaintFollowsHighContrast) {
    const FormColour green{false, 0x00C000}, info{true, SYSTEM_INFO_BACKGROUND}, face{true, SYSTEM_BUTTON_FACE};
    struct Case {
        FormColour background;
        bool highContrast;
        uint32_t paintedWith;  // 0x100 + index: a system colour
        uint32_t text;
    } cases[] = {
        {green, false, 0x00C000, SYSTEM_BUTTON_TEXT},
        {green, true, 0x100 + SYSTEM_WINDOW, SYSTEM_WINDOW_TEXT},
        {info, false, 0x100 + SYSTEM_INFO_BACKGROUND, SYSTEM_INFO_TEXT},
        {info, true, 0x100 + SYSTEM_INFO_BACKGROUND, SYSTEM_INFO_TEXT},
        {face, true, 0x100 + SYSTEM_BUTTON_FACE, SYSTEM_BUTTON_TEXT},
    };
    for (const Case& c : cases) {
        const FormPaint paint = PaintOf(c.background, c.highContrast);
        EXPECT_EQ(paint.background.isSystemColour ? 0x100 + paint.background.value : paint.background.value,
                  c.paintedWith);
        EXPECT_EQ(paint.text, c.text);
    }
}

}  // namespace
}  // namespace quorvel
