// The middle button over a browser page: held still, then moved, it sends
// drag-to-scroll steps to the control program; moved at once, it is still
// the minimize/maximize drag.
#include <functional>

#include "GestureDesktop.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/gestures/ButtonMessages.h"
#include "hooklib/gestures/DragScrollSender.h"

namespace quorvel::testing {
namespace {

using namespace win;

constexpr uint32_t kStep = 0xC003;
constexpr uint32_t kEnd = 0xC004;
constexpr uint32_t kQuorvelProcess = 42;

class DragScrollSender : public GestureDesktop {
protected:
    Hwnd browser = TopLevel("Page - Browser", Rect{0, 0, 800, 600});
    Hwnd page = Child(browser, "Internet Explorer_Server", Rect{10, 50, 790, 590});
    Hwnd editor = TopLevel("Editor", Rect{100, 100, 700, 500});
    Hwnd mainWindow = TopLevel("Quorvel", Rect{900, 0, 1000, 100});
    Hwnd blink = Child(TopLevel("Tab", Rect{0, 0, 800, 600}, kAppStyle, 0, "Chrome_WidgetWin_1"),
                       "Chrome_RenderWidgetHostHWND", Rect{0, 80, 800, 600});

    void SetUp() override {
        os.Window(mainWindow).userData = 0xAAAAAAAA;
        os.Window(mainWindow).processId = kQuorvelProcess;
        os.processImages[kQuorvelProcess] = "C:\\Program Files\\Quorvel\\QUORVEL.EXE";
        shared.OwnWindowMarker = 0xAAAAAAAA;
        shared.MainWindow = mainWindow;
        shared.MainWindowMessage = kStep;
    }

    struct Move {
        uint32_t at;  // ms after the press
        int dx, dy;   // from the press point
    };
    // Press over `w` at `from` (time t0), the moves, release 50 ms after the
    // last move where it ended. Every press and release must be passed on.
    void Drag(Hwnd w, Point from, const std::vector<Move>& moves, uint32_t t0 = 10000) {
        os.keyStates[VK_MBUTTON] = static_cast<int16_t>(0x8000);
        EXPECT_FALSE(At(WM_MBUTTONDOWN, w, from, t0));
        Point p = from;
        uint32_t t = t0;
        for (const Move& m : moves) {
            p = Point{from.x + m.dx, from.y + m.dy};
            t = t0 + m.at;
            EXPECT_FALSE(At(WM_MOUSEMOVE, w, p, t));
        }
        os.keyStates[VK_MBUTTON] = 0;
        EXPECT_FALSE(At(WM_MBUTTONUP, w, p, t + 50));
    }
    std::vector<PostedMessage> PostedWith(uint32_t msg) const {
        std::vector<PostedMessage> out;
        for (const PostedMessage& m : os.posted)
            if (m.msg == msg) out.push_back(m);
        return out;
    }
};

TEST_F(DragScrollSender, HoldThenMoveScrollsAndOtherwiseTheOldGesturesHold) {
    const Point start{400, 550};  // over the page, below the editor
    const std::vector<Move> holdDown{{350, 0, 10}, {380, 0, 20}, {410, 0, 30}};
    const std::vector<Move> holdLeft{{350, -10, 0}, {380, -40, 0}};
    const std::vector<Move> quickLeft{{50, -10, 0}, {80, -40, 0}};
    const std::vector<Move> jitterThenHold{{100, 3, -4}, {350, 3, 10}, {380, 3, 20}};
    struct Case {
        const char* name;
        std::function<void()> prepare;
        Hwnd window;
        std::vector<Move> moves;
        size_t steps;
        bool minimizes;
    } cases[] = {
        {"held, then down", [] {}, page, holdDown, 3, false},
        {"held, then left: never minimizes", [] {}, page, holdLeft, 2, false},
        {"moved left at once: minimizes", [] {}, page, quickLeft, 0, true},
        {"jitter within 4 px keeps the hold", [] {}, page, jitterThenHold, 2, false},
        {"not a page", [] {}, editor, holdDown, 0, false},
        {"Just Wheel It off", [this] { SettingOff(SETTING_JUST_WHEEL_IT); }, page, holdDown, 0, false},
        {"main window gone", [this] { shared.MainWindow = 0x7777; }, page, holdDown, 0, false},
        {"main window not ours", [this] { os.Window(mainWindow).userData = 0; }, page, holdDown, 0, false},
        {"not a private message", [this] { shared.MainWindowMessage = WM_SYSCOMMAND; }, page, holdDown, 0, false},
        {"paused", [this] { PauseQuorvel(lib.ctx); }, page, holdDown, 0, false},
        {"a Chromium page of a browser", [this] { os.moduleNames[0] = "C:\\Edge\\msedge.exe"; }, blink, holdDown, 3,
         false},
        {"the same page in a code editor", [this] { os.moduleNames[0] = "C:\\Code\\Code.exe"; }, blink, holdDown, 0,
         false},
    };
    const SharedState initial = shared;
    uint32_t t0 = 10000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shared = initial;
        os.Window(mainWindow).userData = 0xAAAAAAAA;
        os.ClearRecords();
        lib.process.browserDecidedFor = 0;  // each case in a process of its own program
        c.prepare();
        Drag(c.window, start, c.moves, t0 += 10000);
        // The first step is the press point, then one per move after the hold.
        std::vector<PostedMessage> steps = PostedWith(kStep);
        ASSERT_EQ(steps.size(), c.steps);
        for (size_t i = 0; i < steps.size(); ++i) {
            const Move& m = i ? c.moves[c.moves.size() - steps.size() + i] : Move{0, 0, 0};
            EXPECT_EQ(steps[i], (PostedMessage{mainWindow, kStep, PackPointLParam(400 + m.dx, 550 + m.dy), c.window}));
        }
        EXPECT_EQ(PostedWith(kEnd).size(), c.steps ? 1u : 0u);
        if (c.steps) {
            const Point end{400 + c.moves.back().dx, 550 + c.moves.back().dy};
            EXPECT_EQ(os.posted.back(), (PostedMessage{mainWindow, kEnd, PackPointLParam(end.x, end.y), c.window}));
        }
        EXPECT_EQ(PostedWith(WM_SYSCOMMAND).size(), c.minimizes ? 1u : 0u);
        EXPECT_EQ(shared.DragScrollState, DRAG_SCROLL_IDLE) << "every drag leaves it idle";
        EXPECT_EQ(shared.MButtonDownPending, 0);
    }
}

TEST_F(DragScrollSender, AScrollingReleaseIsNoHalfOfADoubleClick) {
    const Point p{400, 550};
    At(WM_MBUTTONDOWN, page, p, 10000);
    At(WM_MBUTTONUP, page, p, 10050);  // a plain click
    Drag(page, p, {{350, 0, 1}, {400, 0, 0}}, 10100);
    At(WM_MBUTTONDOWN, page, p, 10600);
    At(WM_MBUTTONUP, page, p, 10650);  // within 1500 ms of the first click
    EXPECT_TRUE(PostedWith(LAUNCH_REQUEST_MESSAGE).empty()) << "the desktop is not shown";
    EXPECT_EQ(PostedWith(kEnd).size(), 1u);
    At(WM_MBUTTONDOWN, page, p, 11000);
    At(WM_MBUTTONUP, page, p, 11050);
    EXPECT_EQ(PostedWith(LAUNCH_REQUEST_MESSAGE).size(), 1u) << "two plain clicks still show it";
}

TEST_F(DragScrollSender, MovesThatAreNoneSendNothing) {
    Drag(page, Point{400, 550}, {{350, 0, 0}, {360, 0, 10}, {370, 0, 10}, {380, 0, 20}, {390, 0, 20}});
    EXPECT_EQ(PostedWith(kStep), (std::vector<PostedMessage>{{mainWindow, kStep, PackPointLParam(400, 550), page},
                                                             {mainWindow, kStep, PackPointLParam(400, 560), page},
                                                             {mainWindow, kStep, PackPointLParam(400, 570), page}}));
}

TEST_F(DragScrollSender, MovesMergedIntoTheReleaseMakeALastStep) {
    os.keyStates[VK_MBUTTON] = static_cast<int16_t>(0x8000);
    At(WM_MBUTTONDOWN, page, Point{400, 550}, 10000);
    At(WM_MOUSEMOVE, page, Point{400, 560}, 10400);
    At(WM_MOUSEMOVE, page, Point{400, 570}, 10450);
    os.keyStates[VK_MBUTTON] = 0;
    At(WM_MBUTTONUP, page, Point{400, 575}, 10460);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{mainWindow, kStep, PackPointLParam(400, 550), page},
                                                     {mainWindow, kStep, PackPointLParam(400, 570), page},
                                                     {mainWindow, kStep, PackPointLParam(400, 575), page},
                                                     {mainWindow, kEnd, PackPointLParam(400, 575), page}}));
    EXPECT_TRUE(Logged("Middle button drag scroll ended"));
}

TEST_F(DragScrollSender, AReleaseThatWentByUnseenEndsTheDrag) {
    os.keyStates[VK_MBUTTON] = static_cast<int16_t>(0x8000);
    At(WM_MBUTTONDOWN, page, Point{400, 550}, 10000);
    At(WM_MOUSEMOVE, page, Point{400, 560}, 10400);
    os.keyStates[VK_MBUTTON] = 0;  // released while paused, say
    At(WM_MOUSEMOVE, page, Point{400, 570}, 10500);
    At(WM_MOUSEMOVE, page, Point{400, 580}, 10600);
    EXPECT_EQ(os.posted, (std::vector<PostedMessage>{{mainWindow, kStep, PackPointLParam(400, 550), page},
                                                     {mainWindow, kEnd, PackPointLParam(400, 570), page}}));
    EXPECT_EQ(shared.DragScrollState, DRAG_SCROLL_IDLE);
}

// The record rewritten while a drag scrolls: every post checks the target
// again (a window of Quorvel.exe's process with the marker) and the message
// (private range); after a failed check nothing more is posted anywhere.
TEST_F(DragScrollSender, EveryPostChecksTheTargetAgain) {
    const Hwnd decoy = TopLevel("Quorvel", Rect{900, 200, 1000, 300});  // right title and marker
    os.Window(decoy).userData = 0xAAAAAAAA;
    os.Window(decoy).processId = 77;
    os.processImages[77] = "C:\\Downloads\\evil.exe";
    const std::vector<std::function<void()>> rewrites = {
        [&] { shared.DragScrollTarget = decoy; },    [&] { shared.DragScrollTarget = editor; },
        [&] { shared.DragScrollTarget = 0x7777; },   [&] { shared.DragScrollMessage = WM_SYSCOMMAND; },
        [&] { os.Window(mainWindow).userData = 0; },
    };
    uint32_t t0 = 10000;
    for (const auto& rewrite : rewrites) {
        os.Window(mainWindow).userData = 0xAAAAAAAA;
        os.ClearRecords();
        os.keyStates[VK_MBUTTON] = static_cast<int16_t>(0x8000);
        At(WM_MBUTTONDOWN, page, Point{400, 550}, t0 += 10000);
        At(WM_MOUSEMOVE, page, Point{400, 560}, t0 + 400);  // the first step: the press point
        rewrite();
        At(WM_MOUSEMOVE, page, Point{400, 570}, t0 + 450);
        os.keyStates[VK_MBUTTON] = 0;
        At(WM_MBUTTONUP, page, Point{400, 575}, t0 + 460);
        EXPECT_EQ(os.posted.size(), 1u);
        for (const PostedMessage& m : os.posted) EXPECT_EQ(m.hwnd, mainWindow);
        EXPECT_EQ(shared.DragScrollState, DRAG_SCROLL_IDLE);
    }
    EXPECT_LE(os.imageQueries, 2) << "the program's file is looked up once per target";
}

}  // namespace
}  // namespace quorvel::testing
