#include "hooklib/windowhooks/SmartMove.h"

#include <gtest/gtest.h>

#include <cstring>

#include "WindowHooksDesktop.h"
#include "hooklib/core/Constants.h"

namespace quorvel::testing {
namespace {

const char* const kProgramKey = "SOFTWARE\\Harnwick\\Quorvel\\C:/Program Files/App/app.exe";
const char* const kUserProgramKey = "hkcu\\Software\\Harnwick\\Quorvel\\C:/Program Files/App/app.exe";

class SmartMoveTest : public ::testing::Test {
protected:
    SmartMoveTest() {
        app = AddTopLevel(lib.os, Rect{0, 0, 800, 600});
        dialog = AddDialog(lib.os, app, Rect{100, 100, 420, 196});  // key 03200096, centre (260, 148)
        lib.os.cursor = Point{10, 10};
    }
    void Open(Hwnd d) { SendToHook(lib, win::WM_NCPAINT, d); }
    Point Last() const { return lib.os.cursorMoves.back(); }
    DialogClickMap& Clicks() { return lib.process.dialogs.ProcessDialogClicks[lib.os.processId]; }

    FakeLibrary lib;
    Hwnd app, dialog;
};

TEST_F(SmartMoveTest, TheOnlyButtonGetsThePointerInAGlide) {
    AddChild(lib.os, dialog, "Static", Rect{110, 110, 290, 130});
    AddChild(lib.os, dialog, "BUTTON", Rect{300, 150, 380, 174});
    MoveCursorToDialog(lib.ctx, dialog);
    ASSERT_EQ(lib.os.cursorMoves.size(), 26u);
    EXPECT_EQ(lib.os.cursorMoves[0].x, 10);
    EXPECT_EQ(lib.os.cursorMoves[0].y, 10);
    EXPECT_EQ(lib.os.cursorMoves[1].x, 24);  // 10 + 350 / 25
    EXPECT_EQ(lib.os.cursorMoves[1].y, 16);  // 10 + 156 / 25 = 16.24
    EXPECT_EQ(Last().x, 360);                // 300 + 3 * 80 / 4
    EXPECT_EQ(Last().y, 166);                // 150 + 2 * 24 / 3
    EXPECT_EQ(lib.os.sleeps, std::vector<uint32_t>(26, 10));
}

TEST_F(SmartMoveTest, TwoButtonsOrNoneSendThePointerToTheCentre) {
    AddChild(lib.os, dialog, "Button", Rect{300, 150, 380, 174});
    AddChild(lib.os, dialog, "button", Rect{200, 150, 280, 174});  // a check box is a "Button" too
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(Last().x, 260);
    EXPECT_EQ(Last().y, 148);
}

TEST_F(SmartMoveTest, PointerAlreadyInTheMiddleHalfStays) {
    lib.os.cursor = Point{339, 171};  // 79 and 23 from the centre; quarters are 80 and 24
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_TRUE(lib.os.cursorMoves.empty());
    lib.os.cursor = Point{340, 148};
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(Last().x, 260);
}

TEST_F(SmartMoveTest, RememberedOffsetWinsEvenInTheMiddleHalf) {
    Clicks()["03200096"] = DialogClickRecord{true, 12, 40, true};
    lib.os.cursor = Point{260, 148};
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(Last().x, 112);
    EXPECT_EQ(Last().y, 140);
    EXPECT_TRUE(lib.LogHas("XXX move cursor : OffsetX : 12, OffsetY : 40"));
}

TEST_F(SmartMoveTest, TargetOffThePrimaryScreenIsNotApproached) {
    Hwnd far = AddDialog(lib.os, app, Rect{900, 700, 1220, 796});  // centre (1060, 748)
    MoveCursorToDialog(lib.ctx, far);
    EXPECT_TRUE(lib.os.cursorMoves.empty());
}

TEST_F(SmartMoveTest, VanishedDialogOrUnreadablePointerEndsQuietly) {
    lib.shared.CenterNextDialogOnCursor = 1;
    lib.os.DestroyWindow(dialog);
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(lib.shared.CenterNextDialogOnCursor, 1);
    Hwnd other = AddDialog(lib.os, app, Rect{100, 100, 420, 196});
    lib.os.cursorReadable = false;
    MoveCursorToDialog(lib.ctx, other);
    EXPECT_TRUE(lib.os.cursorMoves.empty());
    EXPECT_TRUE(lib.os.moves.empty());
}

TEST_F(SmartMoveTest, OpenAddressCentresTheNextDialogOnThePointerClampedAtZero) {
    lib.shared.CenterNextDialogOnCursor = 1;
    lib.os.cursor = Point{50, 30};
    MoveCursorToDialog(lib.ctx, dialog);
    ASSERT_EQ(lib.os.moves.size(), 1u);
    EXPECT_EQ(lib.os.moves[0], std::make_tuple(dialog, 0, 0, 320, 96));
    EXPECT_TRUE(lib.os.cursorMoves.empty());
    EXPECT_EQ(lib.shared.CenterNextDialogOnCursor, 0);

    lib.shared.CenterNextDialogOnCursor = 1;
    lib.os.cursor = Point{500, 400};
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(lib.os.moves[1], std::make_tuple(dialog, 340, 352, 320, 96));

    // The dialog after that is handled normally.
    lib.os.cursor = Point{10, 10};
    MoveCursorToDialog(lib.ctx, dialog);
    EXPECT_EQ(lib.os.moves.size(), 2u);
    EXPECT_FALSE(lib.os.cursorMoves.empty());
}

TEST_F(SmartMoveTest, FirstClickInsideIsRememberedInMemoryAndRegistry) {
    Open(dialog);
    lib.os.cursor = Point{112, 140};
    RememberDialogClick(lib.ctx);
    uint32_t value = 0;
    ASSERT_TRUE(lib.os.GetDword(kUserProgramKey, "03200096", &value));
    EXPECT_EQ(value, 2621452u);
    EXPECT_TRUE(lib.LogHas("XXX Click in Dialog, offsetX : 12, offsetY : 40"));

    // Later clicks change nothing until a dialog of that size paints anew.
    lib.os.cursor = Point{300, 150};
    RememberDialogClick(lib.ctx);
    EXPECT_EQ(Clicks()["03200096"].OffsetX, 12);
    SendToHook(lib, win::WM_DESTROY, dialog);
    Hwnd again = AddDialog(lib.os, app, Rect{200, 200, 520, 296});
    Open(again);
    lib.os.cursor = Point{230, 250};
    RememberDialogClick(lib.ctx);
    EXPECT_EQ(Clicks()["03200096"].OffsetX, 30);
    EXPECT_EQ(Clicks()["03200096"].OffsetY, 50);
}

TEST_F(SmartMoveTest, ClickOutsideLearnsNothingAndLeavesTheNextOneFree) {
    RememberDialogClick(lib.ctx);  // no dialog open on this thread
    Open(dialog);
    lib.os.cursor = Point{420, 150};  // just right of the dialog
    RememberDialogClick(lib.ctx);
    EXPECT_FALSE(Clicks()["03200096"].HasOffset);
    lib.os.cursor = Point{419, 195};
    RememberDialogClick(lib.ctx);
    EXPECT_TRUE(Clicks()["03200096"].HasOffset);
    EXPECT_EQ(Clicks()["03200096"].OffsetX, 319);
}

TEST_F(SmartMoveTest, RememberedClicksLoadBackInTheNextProcess) {
    Open(dialog);
    lib.os.cursor = Point{112, 140};
    RememberDialogClick(lib.ctx);
    lib.process.dialogs = DialogTables{};

    LoadDialogClicks(lib.ctx);
    const DialogClickRecord& r = Clicks()["03200096"];
    EXPECT_TRUE(r.HasOffset);
    EXPECT_EQ(r.OffsetX, 12);
    EXPECT_EQ(r.OffsetY, 40);
    EXPECT_FALSE(r.ClickedThisTime);
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

// Learned on a standard account (the machine-wide key read-only): stored for
// the user, the machine-wide memory (never changed) fills only the sizes the
// user has not clicked in.
TEST_F(SmartMoveTest, MemoryPerUserWithTheMachineWideFallback) {
    const struct {
        bool machineWide, userLearns;  // machine: 03200096 at x 7, 01000100 at x 3; user: 03200096 at x 12
        int32_t x320, x100;
    } cases[] = {{true, false, 7, 3}, {true, true, 12, 3}, {false, true, 12, -1}};
    for (const auto& c : cases) {
        FakeLibrary lib;
        const Hwnd d = AddDialog(lib.os, AddTopLevel(lib.os, Rect{0, 0, 800, 600}), Rect{100, 100, 420, 196});
        if (c.machineWide) lib.os.SetDword(kProgramKey, "03200096", PackDialogClick(7, 9));
        if (c.machineWide) lib.os.SetDword(kProgramKey, "01000100", PackDialogClick(3, 4));
        lib.os.registryReadOnly = true;
        SendToHook(lib, win::WM_NCPAINT, d);
        lib.os.cursor = Point{112, 140};
        if (c.userLearns) RememberDialogClick(lib.ctx);
        uint32_t user = 0, machine = 0;
        lib.os.GetDword(kUserProgramKey, "03200096", &user);
        lib.os.GetDword(kProgramKey, "03200096", &machine);
        EXPECT_EQ(user, c.userLearns ? PackDialogClick(12, 40) : 0u);
        EXPECT_EQ(machine, c.machineWide ? PackDialogClick(7, 9) : 0u) << "never changed";
        auto& clicks = lib.process.dialogs.ProcessDialogClicks[lib.os.processId];
        clicks.clear();
        LoadDialogClicks(lib.ctx);
        EXPECT_EQ(clicks["03200096"].OffsetX, c.x320);
        EXPECT_EQ(clicks.count("01000100") ? clicks["01000100"].OffsetX : -1, c.x100);
        EXPECT_EQ(lib.os.openRegKeys(), 0);
    }
}

TEST_F(SmartMoveTest, LoadingSkipsShortAndOversizedValuesAndReadsLongOnes) {
    auto& values = lib.os.registry["software\\harnwick\\quorvel\\c:/program files/app/app.exe"];
    values["00100010"] = FakeDesktop::RegData{3, std::string("\x05\x00", 2)};                          // too short
    values["00200020"] = FakeDesktop::RegData{3, std::string("\x07\x00\x09\x00\xFF\xFF\xFF\xFF", 8)};  // read 4
    values["00300030"] = FakeDesktop::RegData{3, std::string(60, 'x')};                                // too large
    values["00400040"] = FakeDesktop::RegData{win::REG_DWORD, std::string("\x0C\x00\x28\x00", 4)};
    Clicks()["00400040"] = DialogClickRecord{true, 1, 1, false};  // already known: kept

    LoadDialogClicks(lib.ctx);
    EXPECT_EQ(Clicks().count("00100010"), 0u);
    EXPECT_EQ(Clicks().count("00300030"), 0u);
    EXPECT_EQ(Clicks()["00200020"].OffsetX, 7);
    EXPECT_EQ(Clicks()["00200020"].OffsetY, 9);
    EXPECT_EQ(Clicks()["00400040"].OffsetX, 1);
}

TEST_F(SmartMoveTest, WithoutTheBaseKeyTheMemoryOnlyLivesInThisProcess) {
    lib.os.registry.clear();
    lib.os.deniedKeys.insert("hkcu\\software\\harnwick\\quorvel");  // nor may the user's be made
    Open(dialog);
    lib.os.cursor = Point{112, 140};
    RememberDialogClick(lib.ctx);
    EXPECT_TRUE(Clicks()["03200096"].HasOffset);
    EXPECT_TRUE(lib.os.registry.empty());
    EXPECT_EQ(OpenDialogClickKey(lib.ctx, true), 0u);
}

TEST_F(SmartMoveTest, RegistryFormPacksYHighAndXLow) {
    EXPECT_EQ(PackDialogClick(12, 40), 2621452u);
    EXPECT_EQ(PackDialogClick(0x1FFFF, 1), 0x1FFFFu);
    DialogSizeKey key;
    ASSERT_TRUE(MakeDialogSizeKey(lib.os, dialog, &key));
    EXPECT_EQ(key, "03200096");
}

}  // namespace
}  // namespace quorvel::testing
