// The mouse hook's right drags over a browser page: back, forward, open
// address, stop, and the click given back when the drag was none.
#include <string>
#include <vector>

#include "MouseHookDesktop.h"
#include "hooklib/gestures/ButtonMessages.h"

namespace quorvel::testing {
namespace {

using namespace win;

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
    EXPECT_EQ(tail,
              (std::vector<std::string>{"", "Right button drag. Time diff : 300 ms, x diff : -30, y diff : 10",
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
        {-21, 0, VK_LEFT, "leftward"},
        {21, 0, VK_RIGHT, "rightward"},
        {0, -21, 'O', "upward"},
        {0, 21, VK_ESCAPE, "downward"},
        {-20, 0, 0, nullptr},
        {20, 20, 0, nullptr},
        {-20, -20, 0, nullptr},
        {0, 0, 0, nullptr},
        {25, -100, VK_RIGHT, "rightward"},
        {-21, 400, VK_LEFT, "leftward"},
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

TEST_F(MouseHook, KeysPerFamilyAndEnginesThatAreNoBrowser) {
    Hwnd blink = Child(TopLevel("Tab", Rect{0, 0, 800, 600}, kAppStyle, 0, "Chrome_WidgetWin_1"),
                       "Chrome_RenderWidgetHostHWND", Rect{0, 80, 800, 600});
    const struct {
        const char* program;
        int dx, dy;
        uint16_t key;  // the second key of the sequence; 0: press and release reach the program untouched
    } cases[] = {{"msedge.exe", -30, 0, VK_LEFT}, {"msedge.exe", 30, 0, VK_RIGHT}, {"msedge.exe", 0, 30, VK_ESCAPE},
                 {"msedge.exe", 0, -30, 'L'},     {"Code.exe", -30, 0, 0},         {"Code.exe", 0, -30, 0}};
    uint32_t t0 = 10000;
    for (const auto& c : cases) {
        os.moduleNames[0] = c.program;
        lib.process.browserDecidedFor = 0;  // as in a process of that program
        os.ClearRecords();
        auto [down, up] = RightDrag(blink, Point{300, 300}, Point{300 + c.dx, 300 + c.dy}, t0 += 5000);
        EXPECT_TRUE(down == (c.key != 0) && up == down && os.posted.empty() && os.inputs.size() == (c.key ? 1u : 0u));
        if (c.key) EXPECT_EQ(KeyOf(c.key == VK_ESCAPE ? 0 : 1), c.key) << c.program << " " << c.dx << " " << c.dy;
    }
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

TEST_F(MouseHook, AnArmedDragIsCalledOffByAPressElsewhereAndRestartsOnANewPagePress) {
    At(WM_RBUTTONDOWN, page, Point{100, 100}, 10000);
    EXPECT_FALSE(At(WM_RBUTTONDOWN, editor, Point{400, 400}, 10050)) << "its release went by unseen";
    EXPECT_EQ(shared.IERButtonDown, 0);
    EXPECT_TRUE(Logged("Gesture called off, the right button was pressed outside a page: right drag"));
    EXPECT_FALSE(At(WM_RBUTTONUP, editor, Point{400, 400}, 10080)) << "a plain release";
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{200, 200}, 10090));
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{300, 300}, 10100));
    EXPECT_EQ(shared.RDragStartX, 300);
    EXPECT_TRUE(At(WM_RBUTTONUP, page, Point{330, 300}, 10200));
    ASSERT_NE(OnlyInput(), nullptr);
    EXPECT_EQ(KeyOf(1), VK_RIGHT);
}

TEST_F(MouseHook, ANonClientReleaseWithoutDirectionGivesTheClickBackToThePage) {
    EXPECT_TRUE(At(WM_RBUTTONDOWN, page, Point{100, 60}, 10000));
    EXPECT_TRUE(At(WM_NCRBUTTONUP, browser, Point{100, 45}, 10100)) << "over the frame, just above the page";
    EXPECT_TRUE(os.inputs.empty());
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{page, WM_RBUTTONDOWN, MK_RBUTTON, (10u << 16) | 90u},
                                                     {page, WM_RBUTTONUP, 0, 0xFFFB005Au}}));
}

}  // namespace
}  // namespace quorvel::testing
