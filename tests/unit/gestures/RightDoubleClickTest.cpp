// The mouse hook's right double-click, which closes the clicked window.
#include "MouseHookDesktop.h"

namespace quorvel::testing {
namespace {

using namespace win;

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
    Hwnd console = TopLevel("C:\\WINDOWS\\system32\\cmd.exe", Rect{0, 0, 600, 400}, kAppStyle, 0, "ConsoleWindowClass");
    TwoClicks(console, console, Point{300, 300}, Point{300, 300}, 100);
    shared.OwnWindowMarker = 0xAAAAAAAA;
    Hwnd main = TopLevel("Quorvel", Rect{0, 0, 600, 400});
    os.Window(main).userData = 0xAAAAAAAA;
    TwoClicks(main, main, Point{310, 300}, Point{310, 300}, 100);
    EXPECT_TRUE(os.posted.empty());
    EXPECT_TRUE(Logged("rootwidnow"));
    EXPECT_FALSE(Logged("Yes, can close window."));
}

}  // namespace
}  // namespace quorvel::testing
