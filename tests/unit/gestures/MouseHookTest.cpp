// Scenario tests of the mouse hook: each gesture as the sequence of messages
// a program would receive, with what is swallowed, posted, sent and logged.
#include <cstring>

#include "GestureDesktop.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/gestures/ButtonMessages.h"

namespace quorvel::testing {
namespace {

using namespace win;

class MouseHook : public GestureDesktop {
protected:
    // A browser frame with its page in a child window.
    Hwnd browser = TopLevel("Page - Browser", Rect{0, 0, 800, 600});
    Hwnd page = Child(browser, "Internet Explorer_Server", Rect{10, 50, 790, 590});
    Hwnd editor = TopLevel("Editor", Rect{100, 100, 700, 500});

    // A right drag over a window: press with the cursor at `from`, release at `to`.
    std::pair<bool, bool> RightDrag(Hwnd w, Point from, Point to, uint32_t t0 = 10000, uint32_t ms = 300) {
        bool down = At(WM_RBUTTONDOWN, w, from, t0);
        bool up = At(WM_RBUTTONUP, w, to, t0 + ms);
        return {down, up};
    }
    std::pair<bool, bool> MiddleDrag(Hwnd w, Point from, Point to, uint32_t t0 = 10000) {
        bool down = At(WM_MBUTTONDOWN, w, from, t0);
        bool up = At(WM_MBUTTONUP, w, to, t0 + 200);
        return {down, up};
    }
    const std::vector<InputEvent>* OnlyInput() const { return os.inputs.size() == 1 ? &os.inputs[0] : nullptr; }
    uint16_t KeyOf(int i) const { return os.inputs.at(0).at(i).vk; }
};

// ---------------------------------------------------------------- what passes untouched

TEST_F(MouseHook, OnlyTheSixteenButtonMessagesAreLookedAt) {
    for (uint32_t m = 0xA0; m <= 0xAA; ++m) EXPECT_EQ(IsButtonMessage(m), m >= 0xA1 && m <= 0xA8) << std::hex << m;
    for (uint32_t m = 0x1FF; m <= 0x20B; ++m) EXPECT_EQ(IsButtonMessage(m), m >= 0x201 && m <= 0x208) << std::hex << m;

    SharedState before = shared;
    os.cursorReadable = false;  // any cursor read would show in the state
    for (uint32_t m : {WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_MBUTTONDBLCLK, WM_NCMBUTTONDBLCLK, WM_NCHITTEST}) {
        EXPECT_FALSE(At(m, page, Point{100, 100}, 10000));
    }
    EXPECT_FALSE(Deliver(WM_RBUTTONDOWN, page, Point{100, 100}, Point{100, 100}, 10000, 3)) << "not HC_ACTION";
    EXPECT_EQ(std::memcmp(&before, &shared, sizeof shared), 0);
    EXPECT_TRUE(lib.LogLines().empty());
    EXPECT_TRUE(os.inputs.empty() && os.posted.empty());
}

TEST_F(MouseHook, LeftButtonAndLeftDoubleClicksPassOn) {
    for (uint32_t m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP,
                       WM_NCLBUTTONDBLCLK}) {
        EXPECT_FALSE(At(m, page, Point{100, 100}, 10000)) << std::hex << m;
    }
    EXPECT_TRUE(os.posted.empty());
}

// ---------------------------------------------------------------- right drags over a browser page

TEST_F(MouseHook, RightDragLeftGoesBackAndSwallowsBoth) {
    auto [down, up] = RightDrag(page, Point{100, 100}, Point{70, 110});
    EXPECT_TRUE(down);
    EXPECT_TRUE(up);
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_LEFT);
    EXPECT_TRUE(os.posted.empty()) << "nothing is replayed";
    EXPECT_EQ(shared.IERButtonDown, 0);
    auto lines = lib.LogLines();
    std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"", "Right button drag. Time diff : 300 ms, x diff : -30, y diff : 10",
                                              "Detect mouse move leftward",
                                              "Right button up : time : 10300, x : 70, y : 110, message: WM_RBUTTONUP"}));
    EXPECT_TRUE(Logged("\nMouse right button down.\nhwnd: "));
    EXPECT_TRUE(Logged("Window is IE content window\n"));
    EXPECT_TRUE(Logged("Set IERButtonDown to true"));
}

TEST_F(MouseHook, DirectionsAndTheirThresholds) {
    struct Case {
        int dx, dy;
        uint16_t key;  // second key of the sequence; 0 = replayed click
        const char* log;
    } cases[] = {
        {-21, 0, VK_LEFT, "leftward"},  {21, 0, VK_RIGHT, "rightward"},
        {0, -21, 'O', "upward"},        {0, 21, VK_ESCAPE, "downward"},
        {-20, 0, 0, nullptr},           {20, 20, 0, nullptr},
        {-20, -20, 0, nullptr},         {0, 0, 0, nullptr},
        {25, -100, VK_RIGHT, "rightward"}, {-21, 400, VK_LEFT, "leftward"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "dx " << c.dx << " dy " << c.dy);
        os.ClearRecords();
        lib.ClearLog();
        auto [down, up] = RightDrag(page, Point{300, 300}, Point{300 + c.dx, 300 + c.dy});
        EXPECT_TRUE(down && up);
        if (c.key) {
            ASSERT_NE(OnlyInput(), nullptr);
            EXPECT_EQ(os.inputs[0][c.key == VK_ESCAPE ? 0 : 1].vk, c.key);
            EXPECT_TRUE(Logged(std::string("Detect mouse move ") + c.log));
            EXPECT_TRUE(os.posted.empty());
        } else {
            EXPECT_TRUE(os.inputs.empty());
            EXPECT_EQ(os.posted.size(), 2u);
            EXPECT_FALSE(Logged("Detect mouse move"));
        }
    }
}

TEST_F(MouseHook, ADisabledDirectionDoesNotFallThrough) {
    SettingOff(SETTING_IE_GO_BACK);
    RightDrag(page, Point{300, 300}, Point{270, 200});
    EXPECT_TRUE(os.inputs.empty()) << "not taken as upward";
    EXPECT_EQ(os.posted.size(), 2u) << "the click is replayed";
    EXPECT_EQ(shared.CenterNextDialogOnCursor, 0);

    os.ClearRecords();
    SettingOff(SETTING_IE_GO_FORWARD | SETTING_IE_STOP | SETTING_IE_OPEN_URL);
    auto [down, up] = RightDrag(page, Point{300, 300}, Point{300, 250});
    EXPECT_TRUE(down && up) << "with every browser bit off the page click is still taken and replayed";
    EXPECT_EQ(os.posted.size(), 2u);
}

TEST_F(MouseHook, ShortClickIsReplayedInClientCoordinates) {
    // page client area starts at (10, 50); the drag starts at (100, 100)
    auto [down, up] = RightDrag(page, Point{100, 100}, Point{80, 100});
    EXPECT_TRUE(down && up);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{page, WM_RBUTTONDOWN, MK_RBUTTON, (50u << 16) | 90u},
                                                     {page, WM_RBUTTONUP, 0, (50u << 16) | 70u}}));
}

TEST_F(MouseHook, ReplayPacksNegativeClientCoordinatesAsSigned16Bit) {
    // released left of and above the page: client (-3, -7)
    RightDrag(page, Point{15, 55}, Point{7, 43});
    ASSERT_EQ(os.posted.size(), 2u);
    EXPECT_EQ(os.posted[0].lParam, (5u << 16) | 5u);
    EXPECT_EQ(os.posted[1].lParam, 0xFFF9FFFDu);
    EXPECT_EQ(PackPointLParam(-1, 2), 0x0002FFFFu);
}

TEST_F(MouseHook, ReplayToAVanishedWindowPostsNothing) {
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{100, 100}, 10000));
    os.DestroyWindow(browser);
    EXPECT_TRUE(At(WM_RBUTTONUP, page, Point{100, 100}, 10100)) << "the armed drag still ends";
    EXPECT_TRUE(os.posted.empty());
    EXPECT_EQ(shared.IERButtonDown, 0);
}

TEST_F(MouseHook, UpwardDragOpensTheAddressOfIEOrFirefox) {
    RightDrag(page, Point{300, 300}, Point{300, 250});
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(0), VK_CONTROL);
    EXPECT_EQ(KeyOf(1), 'O');
    EXPECT_EQ(shared.CenterNextDialogOnCursor, 1);

    Hwnd firefox = TopLevel("Mozilla Firefox", Rect{0, 0, 800, 600}, kAppStyle, 0, "MozillaUIWindowClass");
    Hwnd content = Child(firefox, "MozillaWindowClass", Rect{0, 60, 800, 600});
    Hwnd plugin = Child(content, "PluginArea", Rect{100, 100, 300, 300});
    shared.CenterNextDialogOnCursor = 0;
    os.ClearRecords();
    auto [down, up] = RightDrag(plugin, Point{200, 200}, Point{195, 150});
    EXPECT_TRUE(down && up) << "the parent of the window is Firefox content";
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), 'L');
    EXPECT_EQ(shared.RButtonDownInFirefox, 1);
    EXPECT_EQ(shared.RButtonDownInIE, 0);
    EXPECT_EQ(shared.CenterNextDialogOnCursor, 1);
    EXPECT_TRUE(Logged("Window is firefox content window"));
}

TEST_F(MouseHook, DragIsMeasuredWithTheCursorNotTheEventPosition) {
    EXPECT_TRUE(Deliver(WM_RBUTTONDOWN, page, Point{500, 500}, Point{300, 300}, 10000));
    EXPECT_TRUE(Deliver(WM_RBUTTONUP, page, Point{300, 300}, Point{270, 300}, 10100));
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_LEFT);
}

TEST_F(MouseHook, RightPressRecordsWindowsAndSwallowsOnlyBrowserContent) {
    EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{200, 200}, 10000));
    EXPECT_EQ(shared.IERButtonDown, 0);
    EXPECT_FALSE(At(WM_NCRBUTTONDOWN, browser, Point{5, 5}, 10050));
    EXPECT_TRUE(At(WM_NCRBUTTONDOWN, page, Point{100, 100}, 10100));
    EXPECT_EQ(shared.IERButtonDown, 0) << "a non-client press does not arm";
    EXPECT_TRUE(At(WM_RBUTTONDBLCLK, page, Point{100, 100}, 10150));
    EXPECT_EQ(shared.IERButtonDown, 0) << "nor does a double-click";
    EXPECT_TRUE(Logged("***************** Haha, right button click in IE or firefox *****************"));
    EXPECT_EQ(shared.LastRButtonDownWindow, page);
    EXPECT_EQ(shared.PrevRButtonDownWindow, page);

    EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{200, 200}, 10200)) << "no armed drag: passed on";
    EXPECT_TRUE(Logged("Right button up : time : 10200, x : 200, y : 200, message: WM_RBUTTONUP"));
    EXPECT_FALSE(At(WM_NCRBUTTONUP, editor, Point{200, 200}, 10900));
    EXPECT_TRUE(Logged("message: WM_NCRBUTTONUP"));
}

TEST_F(MouseHook, ArmedDragSurvivesAPressElsewhereAndRestartsOnANewPagePress) {
    At(WM_RBUTTONDOWN, page, Point{100, 100}, 10000);
    EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{400, 400}, 10050));
    EXPECT_EQ(shared.IERButtonDown, 1);
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10100));
    EXPECT_EQ(shared.RDragStartX, 300);
    EXPECT_TRUE(At(WM_RBUTTONUP, page, Point{330, 300}, 10200));
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_RIGHT);
}

// ---------------------------------------------------------------- right double-click closes

class RightDoubleClick : public MouseHook {
protected:
    void SetUp() override {
        shared.DoubleClickTime = 500;
        shared.DoubleClickWidth = 4;
        shared.DoubleClickHeight = 4;
    }
    // Two clicks; the second press is a double-click message, as Windows sends it.
    void TwoClicks(Hwnd first, Hwnd second, Point p1, Point p2, uint32_t gap) {
        base_ += 10000;
        At(WM_RBUTTONDOWN, first, p1, base_);
        At(WM_RBUTTONUP, first, p1, base_ + 50);
        At(WM_RBUTTONDBLCLK, second, p2, base_ + gap);
        At(WM_RBUTTONUP, second, p2, base_ + 50 + gap);
    }
    uint32_t base_ = 10000;
    std::vector<PostedMessage> CloseOf(Hwnd clicked, Hwnd root) const {
        return {{clicked, WM_KEYDOWN, VK_ESCAPE, 0x00010001},
                {clicked, WM_KEYUP, VK_ESCAPE, 0xC0010001},
                {root, WM_SYSCOMMAND, SC_CLOSE, 0xFFFFFFFF}};
    }
};

TEST_F(RightDoubleClick, ClosesTheWindowOfTheFirstClick) {
    Hwnd view = Child(editor, "View", Rect{110, 110, 690, 490});
    TwoClicks(view, view, Point{200, 200}, Point{200, 200}, 200);
    EXPECT_EQ(os.posted, CloseOf(view, editor));
    EXPECT_TRUE(Logged("Yes, can close window."));

    // the second press in another window: the first click's window is closed
    Hwnd other = TopLevel("Other", Rect{150, 150, 400, 400});
    os.ClearRecords();
    TwoClicks(view, other, Point{200, 200}, Point{201, 199}, 200);
    EXPECT_EQ(os.posted, CloseOf(view, editor));
}

TEST_F(RightDoubleClick, TimeAndBoxAreStrict) {
    struct Case {
        Point second;
        uint32_t gap;
        int32_t width;
        bool closes;
    } cases[] = {
        {{200, 200}, 499, 4, true},  {{200, 200}, 500, 4, false}, {{201, 201}, 200, 4, true},
        {{202, 200}, 200, 4, false}, {{198, 200}, 200, 4, false}, {{200, 202}, 200, 4, false},
        {{200, 200}, 200, 1, false}, {{201, 200}, 200, 5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.second.x << "," << c.second.y << " gap " << c.gap << " w " << c.width);
        shared.DoubleClickWidth = c.width;
        os.ClearRecords();
        TwoClicks(editor, editor, Point{200, 200}, c.second, c.gap);
        EXPECT_EQ(!os.posted.empty(), c.closes);
    }
}

TEST_F(RightDoubleClick, HeightOfOneMatchesNothingAndTheSettingBitCounts) {
    shared.DoubleClickHeight = 1;
    TwoClicks(editor, editor, Point{200, 200}, Point{200, 200}, 100);
    EXPECT_TRUE(os.posted.empty());
    shared.DoubleClickHeight = 4;
    SettingOff(SETTING_APP_CLOSE);
    TwoClicks(editor, editor, Point{200, 200}, Point{200, 200}, 100);
    EXPECT_TRUE(os.posted.empty());
    EXPECT_FALSE(Logged("OK. double click right button"));
}

TEST_F(RightDoubleClick, UsesTheQueuedReleaseTimeAndPosition) {
    os.queued[{editor, WM_RBUTTONUP}] = QueuedMessage{19000, Point{50, 60}};
    At(WM_RBUTTONDOWN, editor, Point{200, 200}, 20000);
    At(WM_RBUTTONUP, editor, Point{200, 200}, 20050);
    EXPECT_EQ(shared.LastRButtonUpTime, 19000u);
    EXPECT_EQ(shared.LastRButtonUpX, 50);
    EXPECT_EQ(shared.LastRButtonUpY, 60);
    EXPECT_TRUE(Logged("Right button up : time : 19000, x : 50, y : 60, message: WM_RBUTTONUP"));
}

TEST_F(RightDoubleClick, AfterABrowserDragTheCheckStillRuns) {
    RightDrag(page, Point{100, 100}, Point{101, 100}, 20000, 50);
    RightDrag(page, Point{101, 100}, Point{101, 100}, 20100, 50);
    // the page is not closable itself but its frame is: Esc to the page, close to the frame
    EXPECT_EQ(std::vector<PostedMessage>(os.posted.end() - 3, os.posted.end()), CloseOf(page, browser));
}

TEST_F(RightDoubleClick, NeverClosesConsolesOrTheControlProgram) {
    Hwnd console = TopLevel("C:\\WINDOWS\\system32\\cmd.exe", Rect{0, 0, 600, 400}, kAppStyle, 0,
                            "ConsoleWindowClass");
    TwoClicks(console, console, Point{300, 300}, Point{300, 300}, 100);
    shared.OwnWindowMarker = 0xAAAAAAAA;
    Hwnd main = TopLevel("Quorvel", Rect{0, 0, 600, 400});
    os.Window(main).userData = 0xAAAAAAAA;
    TwoClicks(main, main, Point{310, 300}, Point{310, 300}, 100);
    EXPECT_TRUE(os.posted.empty());
    EXPECT_TRUE(Logged("rootwidnow"));
    EXPECT_FALSE(Logged("Yes, can close window."));
}

// ---------------------------------------------------------------- middle button

TEST_F(MouseHook, MiddleDragLeftMinimizesTheRootUnderTheCursorAtRelease) {
    Hwnd view = Child(editor, "View", Rect{110, 110, 690, 490});
    auto [down, up] = MiddleDrag(view, Point{400, 300}, Point{375, 340});
    EXPECT_FALSE(down);
    EXPECT_FALSE(up);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{editor, WM_SYSCOMMAND, SC_MINIMIZE, 0}}));
    EXPECT_TRUE(Logged("\nMiddle button drag, time diff : 200 ms, x diff : -25\nDetect Middle button drag left action\n"));
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
    EXPECT_EQ(os.shellCalls.size(), 2u);
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
    EXPECT_EQ(os.shellCalls.size(), 2u);
}

TEST_F(MouseHook, MiddleDoubleClickUsesTheEventPositionAndAStrictBox) {
    shared.DoubleClickWidth = 1;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{0, 0}, 10000);
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{0, 0}, 10100);
    EXPECT_FALSE(Logged("Middle button double clicked")) << "a width of 1 matches nothing";
    shared.DoubleClickWidth = 4;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 10200);
    EXPECT_TRUE(Logged("Middle button double clicked")) << "the cursor position does not count";
    EXPECT_EQ(os.shellCalls.size(), 2u);
    SettingOff(SETTING_APP_SHOW_DESKTOP);
    shared.LastShowDesktopTime = 0;
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 20000);
    Deliver(WM_MBUTTONUP, editor, Point{300, 300}, Point{900, 900}, 20100);
    EXPECT_EQ(os.shellCalls.size(), 2u);
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
    EXPECT_TRUE(os.shellCalls.empty());
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

// ---------------------------------------------------------------- the left+right chord

// Each chord: the first press (the program sees it, unless it armed a drag
// over a page), the second press, the two releases in the given order, the
// cursor moved to `release` before them. The program is owed the release of
// the button it saw pressed, at the cursor in its client coordinates.
struct ChordCase {
    const char* name;
    uint32_t firstPress;
    bool overPage;
    bool leftFirst;         // which button went down first
    bool firstReleasedFirst;
    uint32_t owedRelease;   // 0: nothing is posted
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
        if (variant == 0) shared.IsNTPlatform = 0;
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

// ---------------------------------------------------------------- pause

TEST_F(MouseHook, PauseFreezesEverything) {
    PauseQuorvel(lib.ctx);
    lib.ClearLog();
    SharedState before = shared;
    HoldButtons(true, true);
    for (uint32_t m = 0; m < 8; ++m) {
        EXPECT_FALSE(At(WM_LBUTTONDOWN + m, page, Point{100, 100}, 10000 + m));
        EXPECT_FALSE(At(WM_NCLBUTTONDOWN + m, page, Point{100, 100}, 10100 + m));
    }
    EXPECT_EQ(std::memcmp(&before, &shared, sizeof shared), 0);
    EXPECT_TRUE(lib.LogLines().empty());
    EXPECT_TRUE(os.posted.empty() && os.inputs.empty() && os.shellCalls.empty());
}

TEST_F(MouseHook, DragArmedBeforeAPauseEndsAtTheFirstReleaseAfterResume) {
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10000));
    PauseQuorvel(lib.ctx);
    EXPECT_FALSE(At(WM_RBUTTONUP, page, Point{260, 300}, 10100)) << "paused: the page gets the release";
    EXPECT_EQ(shared.IERButtonDown, 1);
    ResumeQuorvel(lib.ctx);
    EXPECT_TRUE(At(WM_RBUTTONUP, page, Point{330, 300}, 20000));
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_RIGHT) << "measured from the old start";
}

}  // namespace
}  // namespace quorvel::testing
