// The mouse hook's middle button: drags that minimize and maximize, the
// double-click that shows the desktop.
#include "MouseHookDesktop.h"

namespace quorvel::testing {
namespace {

using namespace win;

// ---------------------------------------------------------------- middle button

TEST_F(MouseHook, MiddleDragLeftMinimizesTheRootUnderTheCursorAtRelease) {
    Hwnd view = Child(editor, "View", Rect{110, 110, 690, 490});
    auto [down, up] = MiddleDrag(view, Point{400, 300}, Point{375, 340});
    EXPECT_FALSE(down);
    EXPECT_FALSE(up);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{editor, WM_SYSCOMMAND, SC_MINIMIZE, 0}}));
    EXPECT_TRUE(
        Logged("\nMiddle button drag, time diff : 200 ms, x diff : -25\nDetect Middle button drag left action\n"));
    char line[80];
    std::snprintf(line, sizeof line, "Action : 1, Has post messge to window : %x", editor);
    EXPECT_TRUE(Logged(line));
    EXPECT_EQ(shared.MButtonDownPending, 0);

    // released over another window: that one is the target
    os.ClearRecords();
    MiddleDrag(view, Point{400, 300}, Point{420, 300});  // 20 px: nothing
    MiddleDrag(view, Point{650, 300}, Point{50, 300});   // ends over the browser
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{browser, WM_SYSCOMMAND, SC_MINIMIZE, 0}}));
}

TEST_F(MouseHook, MiddleDragRightMaximizesThenRestores) {
    MiddleDrag(editor, Point{300, 300}, Point{321, 300});
    os.Window(editor).zoomed = true;
    MiddleDrag(editor, Point{300, 300}, Point{400, 100}, 20000);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{editor, WM_SYSCOMMAND, SC_MAXIMIZE, 0},
                                                     {editor, WM_SYSCOMMAND, SC_RESTORE, 0}}));
}

TEST_F(MouseHook, MiddleDragDoesNothingOverDialogsDesktopOrWithItsBitOff) {
    Hwnd noBox = TopLevel("Tool", Rect{100, 100, 300, 300}, 0x00C80000);
    MiddleDrag(noBox, Point{200, 200}, Point{175, 200});
    EXPECT_TRUE(Logged("Detect Middle button drag left action"));
    Hwnd dialog = TopLevel("Find", Rect{100, 100, 300, 300}, kDialogStyle, editor);
    MiddleDrag(dialog, Point{200, 200}, Point{175, 200}, 20000);
    os.DestroyWindow(dialog);
    os.DestroyWindow(noBox);
    TopLevel("", Rect{0, 0, 1024, 768}, kAppStyle, 0, "Progman");
    MiddleDrag(editor, Point{900, 700}, Point{850, 700}, 30000);
    SettingOff(SETTING_APP_MINIMIZE | SETTING_APP_MAXIMIZE);
    MiddleDrag(editor, Point{300, 300}, Point{250, 300}, 40000);
    MiddleDrag(editor, Point{300, 300}, Point{350, 300}, 50000);
    EXPECT_TRUE(os.posted.empty());
    // a release without a press is no drag
    lib.ClearLog();
    EXPECT_FALSE(At(WM_NCMBUTTONUP, editor, Point{300, 300}, 60000));
    EXPECT_FALSE(Logged("Middle button drag"));
    EXPECT_TRUE(Logged("Middle button pressed. Time diff"));
}

TEST_F(MouseHook, MiddleDoubleClickShowsTheDesktopWithin1500Ms) {
    At(WM_MBUTTONDOWN, editor, Point{300, 300}, 10000);
    At(WM_MBUTTONUP, editor, Point{300, 300}, 10000);
    At(WM_MBUTTONDOWN, editor, Point{301, 299}, 11400);
    At(WM_MBUTTONUP, editor, Point{301, 299}, 11499);
    EXPECT_EQ(shared.LastShowDesktopTime, 11499u);
    char line[160];
    std::snprintf(line, sizeof line,
                  "\nMiddle button pressed. Time diff: 1499 ms, x : 301, y : 299, lastX : 300, lastY : 300, windows : "
                  "%x\nMiddle button double clicked. Show desktop\n",
                  editor);
    EXPECT_TRUE(Logged(line));
    EXPECT_EQ(lib.process.LastMButtonUpTime, 11499u);

    // 1500 ms after the previous release: no double-click
    At(WM_MBUTTONUP, editor, Point{301, 299}, 12999);
    std::snprintf(line, sizeof line,
                  "Middle button pressed. Time diff: 1500 ms, x : 301, y : 299, lastX : 301, lastY : 299, windows : %x",
                  editor);
    EXPECT_EQ(lib.LogLines().back(), line) << "not followed by the double-click line";
    EXPECT_EQ(shared.LastShowDesktopTime, 11499u);
}

TEST_F(MouseHook, MiddleDoubleClickUsesTheEventPositionAndAStrictBox) {
    shared.DoubleClickWidth = 1;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{0, 0}, 10000);
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{0, 0}, 10100);
    EXPECT_FALSE(Logged("Middle button double clicked")) << "a width of 1 matches nothing";
    shared.DoubleClickWidth = 4;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 10200);
    EXPECT_TRUE(Logged("Middle button double clicked")) << "the cursor position does not count";
    EXPECT_EQ(shared.LastShowDesktopTime, 10200u);
    SettingOff(SETTING_APP_SHOW_DESKTOP);
    shared.LastShowDesktopTime = 0;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 20000);
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 20100);
    EXPECT_EQ(shared.LastShowDesktopTime, 0u);
}

TEST_F(MouseHook, MiddleDoubleClickMemoryIsPerProcess) {
    At(WM_MBUTTONUP, editor, Point{300, 300}, 10000);
    ProcessState otherProcess;  // the second release reaches another program
    Context other{os, shared, otherProcess};
    os.tick = 10100;
    MouseHookInput in;
    in.message = WM_MBUTTONUP;
    in.pt = Point{300, 300};
    in.hwnd = editor;
    EXPECT_FALSE(MouseHookProc(other, HC_ACTION, in));
    EXPECT_EQ(shared.LastShowDesktopTime, 0u);
}

TEST_F(MouseHook, NotepadSwallowsTheMiddlePressButGesturesStillWork) {
    os.commandLine = "C:\\WINDOWS\\NOTEPAD.EXE c:\\readme.txt";
    EXPECT_TRUE(At(WM_MBUTTONDOWN, editor, Point{300, 300}, 10000));
    EXPECT_FALSE(At(WM_MBUTTONUP, editor, Point{270, 300}, 10100));
    EXPECT_EQ(os.posted.size(), 1u);
    EXPECT_TRUE(At(WM_NCMBUTTONDOWN, editor, Point{300, 300}, 20000));
    os.commandLine = "\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"";
    EXPECT_FALSE(At(WM_MBUTTONDOWN, editor, Point{300, 300}, 30000));
}

}  // namespace
}  // namespace quorvel::testing
