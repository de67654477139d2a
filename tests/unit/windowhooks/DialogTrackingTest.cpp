// The call-window-procedure-return hook: the pointer trace and the dialog
// tracking that starts the Smart Move worker.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "WindowHooksDesktop.h"
#include "hooklib/core/Constants.h"

namespace quorvel::testing {
namespace {

std::string Hex(Hwnd h) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", h);
    return text;
}

class DialogTrackingTest : public ::testing::Test {
protected:
    DialogTrackingTest() {
        app = AddTopLevel(lib.os, Rect{0, 0, 800, 600});
        outer = AddDialog(lib.os, app, Rect{100, 100, 420, 196});
        inner = AddDialog(lib.os, outer, Rect{150, 150, 350, 250});
        lib.os.cursor = Point{700, 500};
    }
    const std::vector<Hwnd>& Stack() { return lib.process.dialogs.ThreadDialogStacks[lib.os.threadId]; }
    size_t Started() const { return lib.os.threads.size(); }

    FakeLibrary lib;
    Hwnd app, outer, inner;
};

TEST_F(DialogTrackingTest, FirstPaintTracksTheDialogAndStartsOneWorker) {
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_NCPAINT, outer);
    EXPECT_EQ(Started(), 1u);
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
    EXPECT_TRUE(lib.LogHas("\nWM_NCPAINT: " + Hex(outer) + " \n"));
    EXPECT_TRUE(lib.LogHas("handle : " + Hex(outer) + ", classname : #32770, parent: " + Hex(app) + " ,owner: " +
                           Hex(app) + ", caption:Dialog, style: 00400000, exstyle: 0, handle : " + Hex(outer) +
                           ", left : 100, top : 100, right : 420, bottom : 196"));
    const DialogClickMap& clicks = lib.process.dialogs.ProcessDialogClicks[lib.os.processId];
    ASSERT_EQ(clicks.count("03200096"), 1u);
    EXPECT_FALSE(clicks.at("03200096").HasOffset);

    lib.os.RunThreads();
    EXPECT_EQ(lib.os.cursor.x, 260);  // the centre of a dialog without buttons
    EXPECT_EQ(lib.os.cursor.y, 148);
    EXPECT_EQ(lib.lock.depth, 0);
    EXPECT_GT(lib.lock.entered, 0);
}

TEST_F(DialogTrackingTest, InnerDialogDestroyedReturnsThePointerToTheForegroundOuterOne) {
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_NCPAINT, inner);
    EXPECT_EQ(Stack(), (std::vector<Hwnd>{outer, inner}));
    lib.os.RunThreads();
    EXPECT_EQ(lib.os.cursor.x, 250);  // the inner one's centre

    lib.os.foreground = outer;
    SendToHook(lib, win::WM_DESTROY, inner);
    EXPECT_TRUE(lib.LogHas("\nWM_DESTROY: " + Hex(inner) + "\n"));
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
    ASSERT_EQ(Started(), 1u);
    lib.os.cursor = Point{700, 500};
    lib.os.RunThreads();
    EXPECT_EQ(lib.os.cursor.x, 260);
}

TEST_F(DialogTrackingTest, OuterDialogNotInFrontOnlyLogs) {
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_NCPAINT, inner);
    lib.os.RunThreads();
    lib.os.foreground = app;
    SendToHook(lib, win::WM_DESTROY, inner);
    EXPECT_EQ(Started(), 0u);
    EXPECT_TRUE(lib.LogHas("\nUpper window is not foreground window\n"));
}

TEST_F(DialogTrackingTest, DestroyingANonTopDialogPopsTheTop) {
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_NCPAINT, inner);
    SendToHook(lib, win::WM_DESTROY, outer);
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
    EXPECT_EQ(lib.process.dialogs.ThreadTrackedDialogs[1], std::set<Hwnd>{inner});
    // An untracked dialog's destruction changes nothing.
    SendToHook(lib, win::WM_DESTROY, outer);
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
}

TEST_F(DialogTrackingTest, EveryShowAfterAHideMovesThePointerAgain) {
    SendToHook(lib, win::WM_SHOWWINDOW, outer, 1);  // a new dialog's first show does nothing
    EXPECT_EQ(Started(), 0u);
    SendToHook(lib, win::WM_NCPAINT, outer);
    SendToHook(lib, win::WM_SHOWWINDOW, outer, 1);
    EXPECT_EQ(Started(), 1u);
    SendToHook(lib, win::WM_SHOWWINDOW, outer, 0);
    EXPECT_EQ(Started(), 1u);
    SendToHook(lib, win::WM_SHOWWINDOW, outer, 1);
    SendToHook(lib, win::WM_SHOWWINDOW, outer, 1);
    EXPECT_EQ(Started(), 3u);
    // A hide of an untracked dialog does not mark it.
    SendToHook(lib, win::WM_SHOWWINDOW, inner, 0);
    SendToHook(lib, win::WM_SHOWWINDOW, inner, 1);
    EXPECT_EQ(Started(), 3u);
}

TEST_F(DialogTrackingTest, WindowsThatAreNoDialogsAndOtherMessagesAreIgnored) {
    SendToHook(lib, win::WM_NCPAINT, app);
    SendToHook(lib, 0x000F, outer);  // WM_PAINT
    EXPECT_EQ(Started(), 0u);
    EXPECT_TRUE(Stack().empty());
}

TEST_F(DialogTrackingTest, EachThreadKeepsItsOwnStack) {
    SendToHook(lib, win::WM_NCPAINT, outer);
    lib.os.threadId = 2;
    SendToHook(lib, win::WM_NCPAINT, inner);
    SendToHook(lib, win::WM_NCPAINT, outer);  // tracked by thread 1, new to thread 2
    EXPECT_EQ(Stack(), (std::vector<Hwnd>{inner, outer}));
    lib.os.threadId = 1;
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
}

TEST_F(DialogTrackingTest, PausedLibraryNeitherTracksNorTraces) {
    lib.shared.Paused = 1;
    SendToHook(lib, win::WM_NCPAINT, outer);
    HitTest(lib, 10, 10, 5000);
    EXPECT_EQ(Started(), 0u);
    EXPECT_TRUE(lib.process.dialogs.ThreadDialogStacks.empty());
    EXPECT_EQ(lib.shared.LastTraceX, -1);
}

TEST_F(DialogTrackingTest, SmartMoveOffStillTracksButWorkersEndAtOnce) {
    lib.shared.Setting &= ~SETTING_SMART_MOVE;
    SendToHook(lib, win::WM_NCPAINT, outer);
    EXPECT_EQ(Started(), 1u);
    lib.os.RunThreads();
    EXPECT_TRUE(lib.os.cursorMoves.empty());
}

TEST_F(DialogTrackingTest, FailedThreadStartIsIgnored) {
    lib.os.threadsCanStart = false;
    SendToHook(lib, win::WM_NCPAINT, outer);
    EXPECT_EQ(Stack(), std::vector<Hwnd>{outer});
    EXPECT_TRUE(lib.os.cursorMoves.empty());
}

TEST_F(DialogTrackingTest, PointerTraceRecordsEachNewPositionOnce) {
    HitTest(lib, 100, 200, 5000);
    HitTest(lib, 100, 200, 5010);
    HitTest(lib, 103, 204, 5020);
    EXPECT_EQ(lib.shared.MouseTraceIndex, 2);
    EXPECT_EQ(lib.shared.MouseTrace[0].x, 100);
    EXPECT_EQ(lib.shared.MouseTrace[0].time, 5000u);
    EXPECT_EQ(lib.shared.MouseTrace[1].y, 204);
    EXPECT_EQ(lib.shared.LastTraceX, 103);
    // The first point counts as a move from (-1, -1): 224 px; then 5 px.
    EXPECT_EQ(lib.shared.ActivityTable[0].MouseDistance, 224 + 5);
}

TEST_F(DialogTrackingTest, PositionsAreTheSignedHalvesOfLParam) {
    CallWndRetInput in;
    in.message = win::WM_NCHITTEST;
    in.lParam = 0xFFF6000Au;  // x = 10, y = -10 on a screen above the primary one
    CallWndRetHookProc(lib.ctx, win::HC_ACTION, in);
    EXPECT_EQ(lib.shared.LastTraceX, 10);
    EXPECT_EQ(lib.shared.LastTraceY, -10);
    lib.shared.MouseTraceIndex = 99;
    HitTest(lib, 1, 1, 6000);
    EXPECT_EQ(lib.shared.MouseTraceIndex, 0);
}

}  // namespace
}  // namespace quorvel::testing
