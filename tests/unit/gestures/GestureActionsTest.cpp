#include "hooklib/gestures/GestureActions.h"

#include "hooklib/core/LaunchRequest.h"

#include <cstring>

#include "GestureDesktop.h"

namespace quorvel::testing {
namespace {

struct Key {
    uint16_t vk, scan;
    uint32_t flags;
    bool operator==(const Key& o) const { return vk == o.vk && scan == o.scan && flags == o.flags; }
};

std::vector<Key> Keys(const std::vector<InputEvent>& inputs) {
    std::vector<Key> out;
    for (const InputEvent& e : inputs) {
        EXPECT_EQ(e.kind, InputEvent::Keyboard);
        out.push_back(Key{e.vk, e.scan, e.flags});
    }
    return out;
}

class GestureActions : public GestureDesktop {
protected:
    // Quorvel.exe's main window, marked and registered in the record.
    Hwnd QuorvelMain() {
        shared.OwnWindowMarker = 0xAAAAAAAA;
        Hwnd main = TopLevel("Quorvel", Rect{0, 0, 100, 100});
        os.Window(main).userData = 0xAAAAAAAA;
        os.Window(main).processId = 42;
        os.processImages[42] = "C:\\Quorvel\\Quorvel.exe";
        return shared.MainWindow = main;
    }
};

TEST_F(GestureActions, KeystrokesAreExactAndOneSendInputEach) {
    struct Case {
        void (*action)(Input&);
        std::vector<Key> keys;
    } cases[] = {
        {SendBrowserBack, {{0x12, 0x38, 0}, {0x25, 0xE04B, 1}, {0x25, 0xE04B, 3}, {0x12, 0x38, 2}}},
        {SendBrowserForward, {{0x12, 0x38, 0}, {0x27, 0xE04D, 1}, {0x27, 0xE04D, 3}, {0x12, 0x38, 2}}},
        {SendOpenLocation, {{0x11, 0x1D, 0}, {0x4F, 0x18, 0}, {0x4F, 0x18, 2}, {0x11, 0x1D, 2}}},
        {SendFocusLocationBar, {{0x11, 0x1D, 0}, {0x4C, 0x26, 0}, {0x4C, 0x26, 2}, {0x11, 0x1D, 2}}},
        {SendEscape, {{0x1B, 0x01, 0}, {0x1B, 0x01, 2}}},
        {SendAltTab, {{0x12, 0x38, 0}, {0x09, 0xE00F, 1}, {0x09, 0xE00F, 3}, {0x12, 0x38, 2}}},
    };
    for (const Case& c : cases) {
        os.ClearRecords();
        c.action(lib.os);
        ASSERT_EQ(os.inputs.size(), 1u);
        EXPECT_EQ(Keys(os.inputs[0]), c.keys);
    }
}

TEST_F(GestureActions, MinimizeAndMaximizeNeedTheirBoxes) {
    Hwnd both = TopLevel("Both", Rect{0, 0, 300, 200});
    Hwnd noBoxes = TopLevel("None", Rect{0, 0, 300, 200}, 0x00C80000);
    Hwnd zoomed = TopLevel("Zoomed", Rect{0, 0, 1024, 768});
    os.Window(zoomed).zoomed = true;

    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MINIMIZE, both);
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MAXIMIZE, both);
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MAXIMIZE, zoomed);
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MINIMIZE, noBoxes);
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MAXIMIZE, noBoxes);
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{both, win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0},
                                                    {both, win::WM_SYSCOMMAND, win::SC_MAXIMIZE, 0},
                                                    {zoomed, win::WM_SYSCOMMAND, win::SC_RESTORE, 0}}));
    char line[80];
    std::snprintf(line, sizeof line, "Action : 2, Has post messge to window : %x", noBoxes);
    EXPECT_TRUE(Logged(line)) << "the attempt is logged whether or not anything was posted";

    // A minimize box alone does not allow a maximize, nor the other way round.
    Hwnd minOnly = TopLevel("MinOnly", Rect{0, 0, 300, 200}, 0x00C80000 | win::WS_MINIMIZEBOX);
    Hwnd maxOnly = TopLevel("MaxOnly", Rect{0, 0, 300, 200}, 0x00C80000 | win::WS_MAXIMIZEBOX);
    os.ClearRecords();
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MAXIMIZE, minOnly);
    MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MINIMIZE, maxOnly);
    EXPECT_TRUE(Posted().empty());
}

TEST_F(GestureActions, WindowsOfProgramsQuorvelCannotReachAreLeftAloneAndCounted) {
    struct Case {
        bool closed;
        size_t posted;     // by the two gestures
        uint32_t counted;  // after them
    };
    const Case cases[] = {{false, 2, 0}, {true, 0, 2}, {false, 2, 2}};
    for (const Case& c : cases) {
        Hwnd window = TopLevel("Target", Rect{0, 0, 300, 200});
        if (c.closed) os.closedWindows.insert(window);
        const size_t before = os.posted.size();
        MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MINIMIZE, window);
        MinimizeOrMaximizeWindow(lib.ctx, SIZE_ACTION_MAXIMIZE, window);
        EXPECT_EQ(os.posted.size() - before, c.posted);
        EXPECT_EQ(lib.shared.UnreachableCount, c.counted);
        if (c.closed) EXPECT_EQ(lib.shared.UnreachableWindow, window);
    }
    EXPECT_TRUE(lib.LogHas("belongs to a program Quorvel cannot reach: gesture ignored"));
}

TEST_F(GestureActions, ClosePostsEscapeThenCloseToTheRoot) {
    Hwnd app = TopLevel("Editor", Rect{0, 0, 300, 200});
    Hwnd view = Child(app, "View", Rect{10, 10, 290, 190});
    CloseClickedWindow(lib.ctx, view);
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{view, win::WM_KEYDOWN, 0x1B, 0x00010001},
                                                    {view, win::WM_KEYUP, 0x1B, 0xC0010001},
                                                    {app, win::WM_SYSCOMMAND, win::SC_CLOSE, 0xFFFFFFFF}}));
    char line[100];
    std::snprintf(line, sizeof line, "OK. double click right button, window %x, rootwidnow: %x", view, app);
    auto lines = lib.LogLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], line);
    EXPECT_EQ(lines[lines.size() - 2], "Yes, can close window.");
    EXPECT_EQ(lines.back(), "");
}

TEST_F(GestureActions, CloseLeavesConsolesDialogsAndVanishedWindowsAlone) {
    Hwnd console = TopLevel("cmd", Rect{0, 0, 300, 200}, kAppStyle, 0, "ConsoleWindowClass");
    CloseClickedWindow(lib.ctx, console);
    EXPECT_TRUE(Logged("rootwidnow: "));
    EXPECT_FALSE(Logged("Yes, can close window."));

    Hwnd app = TopLevel("Editor", Rect{0, 0, 300, 200});
    Hwnd dialog = TopLevel("Find", Rect{50, 50, 200, 150}, kDialogStyle, app);
    CloseClickedWindow(lib.ctx, Child(dialog, "Edit", Rect{60, 60, 190, 80}));

    Hwnd gone = TopLevel("Gone", Rect{0, 0, 300, 200});
    os.DestroyWindow(gone);
    CloseClickedWindow(lib.ctx, gone);
    EXPECT_TRUE(Posted().empty());
    EXPECT_FALSE(Logged("Yes, can close window."));
}

// The hook only asks Quorvel.exe's main window (LaunchRequestsTest has
// what Quorvel.exe then starts, the taskbar's handle included).
TEST_F(GestureActions, ShowDesktopAsksQuorvelAtMostOncePer1500Ms) {
    Hwnd main = QuorvelMain();
    TopLevel("", Rect{0, 738, 1024, 768}, kAppStyle, 0, "Shell_TrayWnd");
    const PostedMessage request{main, LAUNCH_REQUEST_MESSAGE, LAUNCH_SHOW_DESKTOP, 0};
    os.tick = 100000;
    ShowDesktop(lib.ctx);
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{request}));

    os.tick = 101500;
    ShowDesktop(lib.ctx);
    EXPECT_EQ(Posted().size(), 1u) << "1500 ms later is still within the guard";
    os.tick = 101501;
    ShowDesktop(lib.ctx);
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{request, request}));
    EXPECT_EQ(shared.LastShowDesktopTime, 101501u);
    EXPECT_TRUE(os.shellCalls.empty()) << "nothing is started inside the hook";
}

TEST_F(GestureActions, ShowDesktopWithoutQuorvelsMainWindowStartsNothing) {
    os.tick = 50000;
    ShowDesktop(lib.ctx);
    EXPECT_TRUE(Posted().empty());
    EXPECT_TRUE(os.shellCalls.empty());
    EXPECT_TRUE(Logged("No Quorvel main window: nothing started for request 1"));
    EXPECT_EQ(shared.LastShowDesktopTime, 50000u) << "the guard holds all the same";
}

TEST_F(GestureActions, StartingAProgramIsAskedOfQuorvelsOwnMainWindowOnly) {
    Hwnd main = QuorvelMain();
    Hwnd impostor = TopLevel("Quorvel", Rect{0, 0, 100, 100});
    // Title and marker right, but another program's window.
    Hwnd lookAlike = TopLevel("Quorvel", Rect{0, 0, 100, 100});
    os.Window(lookAlike).userData = 0xAAAAAAAA;
    os.Window(lookAlike).processId = 77;
    os.processImages[77] = "C:\\Downloads\\Quorvel.exe.evil";
    // The browser too: never "Iexplore.exe" looked for in the host's folders.
    struct Case {
        Hwnd registered;
        bool posted;
        uint32_t action = LAUNCH_SHOW_DESKTOP;
    } cases[] = {{main, true},   {main, true, LAUNCH_BROWSER}, {impostor, false}, {lookAlike, false}, {0, false},
                 {0xDEAD, false}};
    for (const Case& c : cases) {
        os.ClearRecords();
        lib.ClearLog();
        shared.MainWindow = c.registered;
        EXPECT_EQ(RequestLaunch(lib.ctx, c.action), c.posted);
        if (c.posted) {
            EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{main, LAUNCH_REQUEST_MESSAGE, c.action, 0}}));
        } else {
            EXPECT_TRUE(Posted().empty());
            EXPECT_EQ(lib.LogLines().size(), 1u);
        }
        EXPECT_TRUE(os.shellCalls.empty()) << "nothing is started inside the hook";
    }
}

}  // namespace
}  // namespace quorvel::testing
