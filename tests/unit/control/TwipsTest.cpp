#include "common/Twips.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "common/AnsiPath.h"

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
    EXPECT_EQ(ProgramDirectoryOf("\\\\server\\share\\Q\\Quorvel.exe"), "\\\\server\\share\\Q\\");
}

// The library is loaded from a full path only: a drive letter or a share.
TEST(ProgramPaths, FullPathsOnADriveOrAShare) {
    for (const char* full : {"C:\\Q\\system.dat", "\\\\server\\share\\system.dat", "\\\\?\\UNC\\s\\sh\\system.dat"}) {
        EXPECT_TRUE(IsFullPath(full)) << full;
    }
    for (const char* not_full :
         {"system.dat", "Q\\system.dat", "\\system.dat", "C:system.dat", "\\\\server\\share", ""}) {
        EXPECT_FALSE(IsFullPath(not_full)) << not_full;
    }
}

// Code pages as Windows converts with them: 65001 refuses flags but
// WC_ERR_INVALID_CHARS and the "default used" report (its bytes here: three
// per character beyond ASCII); 1252 best-fits "\u014D" as "o" unless told not
// to (then "?", reported); 50220 takes no flags and best-fits silently.
struct FakeCodePage : CodePageConverter {
    uint32_t cp;
    explicit FakeCodePage(uint32_t codePage) : cp(codePage) {}
    uint32_t CodePage() override { return cp; }
    int ToMultiByte(uint32_t flags, const wchar_t* w, int n, char* out, int size, bool* used) override {
        if (CodePageTakesNoFlags(cp) && ((flags & ~WC_ERR_INVALID_CHARS_FLAG) || used)) return 0;
        std::string b;
        for (int i = 0; i < n; ++i) {
            const auto c = static_cast<uint32_t>(w[i]);
            const bool fit = c == 0x14D && (cp == 50220 || !(flags & WC_NO_BEST_FIT_CHARS_FLAG));
            if (cp == 65001 && c >= 0x80)
                b += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
            if (cp != 65001 || c < 0x80) b += c < 0x100 ? char(c) : fit ? 'o' : '?';
            if (used && c >= 0x100 && !fit) *used = true;
        }
        return static_cast<int>(b.size()) > size ? 0 : static_cast<int>(b.copy(out, b.size()));
    }
    int ToWide(const char* t, int n, wchar_t* out, int size) override {
        int m = 0;
        for (int i = 0; i < n && m < size; ++m, ++i) {
            const auto c = static_cast<unsigned char>(t[i]);
            const bool three = cp == 65001 && c >= 0xE0;
            out[m] = three ? wchar_t(((c & 0xF) << 12) | ((t[i + 1] & 0x3F) << 6) | (t[i + 2] & 0x3F)) : wchar_t(c);
            i += three ? 2 : 0;
        }
        return m;
    }
};

TEST(AnsiPath, ExactUnderEveryCodePageOrNothing) {
    const struct {
        uint32_t codePage;
        const wchar_t* wide;
        size_t room;
        const char* ansi;
    } cases[] = {
        {65001, L"C:\\T\\s.dat", 300, "C:\\T\\s.dat"},
        {65001, L"C:\\\u00DCber\\\u6771\\s.dat", 300,
         "C:\\\xE0\x83\x9C"
         "ber\\\xE6\x9D\xB1\\s.dat"},
        {1252, L"C:\\\u00DCber\\s.dat", 300,
         "C:\\\xDC"
         "ber\\s.dat"},
        {1252, L"C:\\T\u014Dky\u014D\\s.dat", 300, ""},   // best fit refused: another folder
        {50220, L"C:\\T\u014Dky\u014D\\s.dat", 300, ""},  // silent best fit: the round trip sees it
        {1252, L"C:\\Tools\\system.dat", 10, ""},         // does not fit: never cut
    };
    for (const auto& c : cases) {
        FakeCodePage codePage(c.codePage);
        char out[300] = "x";
        EXPECT_EQ(ToAnsiPath(codePage, c.wide, out, c.room), c.ansi[0] != '\0') << c.codePage;
        EXPECT_STREQ(out, c.ansi) << c.codePage;
    }
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
