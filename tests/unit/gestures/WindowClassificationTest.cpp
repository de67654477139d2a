#include "hooklib/core/WindowClassification.h"

#include "hooklib/core/Browsers.h"
#include "hooklib/core/ProcessGate.h"

#include <cstring>
#include <tuple>

#include "GestureDesktop.h"

namespace quorvel::testing {
namespace {

class WindowClassification : public GestureDesktop {
protected:
    Hwnd app = TopLevel("Editor", Rect{100, 100, 500, 400});
};

TEST_F(WindowClassification, DialogRuleNeedsEveryCondition) {
    Hwnd dialog = TopLevel("Find", Rect{150, 150, 300, 250}, kDialogStyle, app);
    EXPECT_EQ(IfDialogBoxWindow(lib.ctx, dialog), 1);

    struct Case {
        const char* what;
        uint32_t style;
        Hwnd owner;
    } cases[] = {
        {"minimize box", kDialogStyle | win::WS_MINIMIZEBOX, app},
        {"disabled", kDialogStyle | win::WS_DISABLED, app},
        {"no dialog frame", 0x00080000, app},
        {"no parent or owner", kDialogStyle, 0},
    };
    for (const Case& c : cases) {
        Hwnd w = TopLevel("x", Rect{0, 0, 10, 10}, c.style, c.owner);
        EXPECT_EQ(IfDialogBoxWindow(lib.ctx, w), 0) << c.what;
    }
    FakeWindow child;
    child.style = kDialogStyle | win::WS_CHILD;
    child.parent = app;
    EXPECT_EQ(IfDialogBoxWindow(lib.ctx, os.AddWindow(child)), 0) << "child";

    shared.PromptRestWindow = dialog;
    EXPECT_EQ(IfDialogBoxWindow(lib.ctx, dialog), 0) << "the rest reminder is never a dialog";
}

TEST_F(WindowClassification, RootWindowWalksParentsAndOwnersAndRefusesDialogs) {
    Hwnd dialog = TopLevel("Find", Rect{150, 150, 300, 250}, kDialogStyle, app);
    Hwnd edit = Child(dialog, "Edit", Rect{160, 160, 250, 180});
    EXPECT_EQ(GetRootWindow(lib.ctx, edit, 1), 0u);
    EXPECT_EQ(GetRootWindow(lib.ctx, edit, 0), app) << "without refusal the walk goes on to the owner";
    EXPECT_EQ(GetRootWindow(lib.ctx, edit, 2), app) << "only exactly 1 refuses";
    EXPECT_EQ(GetRootWindow(lib.ctx, dialog, 1), 0u);

    Hwnd view = Child(app, "View", Rect{110, 110, 490, 390});
    Hwnd inner = Child(view, "Inner", Rect{120, 120, 200, 200});
    EXPECT_EQ(GetRootWindow(lib.ctx, inner, 1), app);
    EXPECT_EQ(GetRootWindow(lib.ctx, app, 1), app);
}

TEST_F(WindowClassification, RootWalkEndsOnAnOwnerLoopOrAnEndlessChain) {
    Hwnd a = TopLevel("A", Rect{0, 0, 100, 100});
    Hwnd b = TopLevel("B", Rect{0, 0, 100, 100}, kAppStyle, a);
    os.Window(a).owner = b;  // SetWindowLongPtr(GWLP_HWNDPARENT) can close a loop
    Hwnd longest = app;
    for (int i = 0; i < MAX_ROOT_CHAIN; ++i) longest = Child(longest, "Static", Rect{0, 0, 10, 10});
    Hwnd tooLong = Child(longest, "Static", Rect{0, 0, 10, 10});
    const struct {
        const char* what;
        Hwnd window;
        Hwnd root;
    } cases[] = {{"owner loop", b, 0}, {"longest chain", longest, app}, {"one more", tooLong, 0}};
    for (const auto& c : cases) {
        for (int refuse : {0, 1}) EXPECT_EQ(GetRootWindow(lib.ctx, c.window, refuse), c.root) << c.what;
    }
}

TEST_F(WindowClassification, VanishedWindowIsNothing) {
    Hwnd gone = TopLevel("Gone", Rect{0, 0, 100, 100});
    os.DestroyWindow(gone);
    EXPECT_EQ(GetRootWindow(lib.ctx, gone, 0), 0u);
    EXPECT_EQ(GetRootWindow(lib.ctx, gone, 1), 0u);
    EXPECT_EQ(IfDialogBoxWindow(lib.ctx, gone), 0);
    EXPECT_FALSE(CanSizeWindow(lib.ctx, gone));
    EXPECT_FALSE(CanCloseWindow(lib.ctx, gone));
    EXPECT_FALSE(IsIEContentWindow(lib.ctx, gone));
    EXPECT_FALSE(IsFirefoxContentWindow(lib.ctx, gone));
}

TEST_F(WindowClassification, BrowserContentTestsAndTheirLogLines) {
    Hwnd server = Child(app, "Internet Explorer_Server", Rect{110, 110, 490, 390});
    Hwnd docView = Child(app, "Shell DocObject View", Rect{110, 110, 490, 390});
    Hwnd mozilla = Child(app, "MozillaWindowClass", Rect{110, 110, 490, 390});
    Hwnd lower = Child(app, "internet explorer_server", Rect{110, 110, 490, 390});

    EXPECT_TRUE(IsIEContentWindow(lib.ctx, server));
    EXPECT_TRUE(IsIEContentWindow(lib.ctx, docView));
    EXPECT_FALSE(IsIEContentWindow(lib.ctx, mozilla));
    EXPECT_FALSE(IsIEContentWindow(lib.ctx, lower)) << "class names compare case-sensitively";
    EXPECT_TRUE(IsFirefoxContentWindow(lib.ctx, mozilla));
    EXPECT_FALSE(IsFirefoxContentWindow(lib.ctx, server));

    auto lines = lib.LogLines();
    char first[200];
    std::snprintf(first, sizeof first, "hwnd: %d, rootwnd: %d, classname: Internet Explorer_Server, compareresult: 0",
                  static_cast<int>(server), static_cast<int>(app));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], "Window is IE content window");
    EXPECT_TRUE(Logged("classname: MozillaWindowClass, compareresult: 0\nWindow is firefox content window"));
    EXPECT_TRUE(Logged("classname: Shell DocObject View, compareresult: 1\nWindow is IE content window"));
}

// ---------------------------------------------------------------- which pages are browser pages

TEST_F(WindowClassification, BrowserPagesByProgramAndClass) {
    enum Under { PAGE, INSIDE_PAGE, ROOT_OVER_PAGE, ROOT_OVER_TABS };
    const BrowserFamily NO = BROWSER_NONE, IE = BROWSER_INTERNET_EXPLORER, FF = BROWSER_FIREFOX, CR = BROWSER_CHROMIUM;
    const char *chromium = "Chrome_WidgetWin_1", *blink = "Chrome_RenderWidgetHostHWND", *gecko = "MozillaWindowClass";
    const struct {
        const char* program;
        const char* list;  // one name handed over; null: none yet (the defaults)
        const char *rootClass, *pageClass;
        Under under;
        BrowserFamily rightPress, dragScroll;
    } cases[] = {
        {"C:\\Edge\\msedge.exe", nullptr, chromium, blink, PAGE, CR, CR},
        {"C:\\VS Code\\Code.exe", nullptr, chromium, blink, PAGE, NO, NO},
        {"D:\\BRAVE.EXE", nullptr, chromium, blink, INSIDE_PAGE, CR, CR},
        {"chrome.exe", nullptr, chromium, blink, ROOT_OVER_PAGE, CR, CR},
        {"chrome.exe", nullptr, chromium, blink, ROOT_OVER_TABS, NO, NO},
        {"C:\\Apps\\Thorium.exe", "thorium.exe", chromium, blink, PAGE, CR, CR},  // added by the user
        {"firefox.exe", nullptr, gecko, gecko, PAGE, FF, FF},
        {"thunderbird.exe", nullptr, gecko, gecko, INSIDE_PAGE, FF, NO},  // right drags by the class, as ever
        {"help.exe", "", "AppWindow", "Shell DocObject View", PAGE, IE, NO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.program << " " << c.pageClass << " " << c.under);
        FakeLibrary fresh;  // a process that has decided nothing yet
        Context ctx{os, fresh.shared, fresh.process};
        os.moduleNames[0] = c.program;
        if (c.list) SetBrowserPrograms(ctx, c.list, static_cast<uint32_t>(std::strlen(c.list) + 1));
        Hwnd root = TopLevel("Browser", Rect{0, 0, 800, 600}, kAppStyle, 0, c.rootClass);
        Hwnd page = Child(root, c.pageClass, Rect{0, 80, 800, 600});
        Hwnd inside = Child(page, "Intermediate D3D Window", Rect{0, 80, 800, 600});
        const Hwnd window = c.under == PAGE ? page : c.under == INSIDE_PAGE ? inside : root;
        const Point pt{300, c.under == ROOT_OVER_TABS ? 40 : 300};
        EXPECT_EQ(RightPressPage(ctx, window, pt), c.rightPress);
        EXPECT_EQ(DragScrollPage(ctx, window, pt), c.dragScroll);
    }
}

TEST_F(WindowClassification, TheBrowserProgramIsDecidedOncePerProcessAndAgainAfterEachChange) {
    const char list[] = "code.exe\0";
    // program, list handed over before, decision: kept until the list changes
    for (auto [program, handOver, browser] : {std::tuple{"msedge.exe", false, true},
                                              {"Code.exe", false, true},
                                              {"Code.exe", true, true},
                                              {"msedge.exe", true, false}}) {
        os.moduleNames[0] = program;
        if (handOver) SetBrowserPrograms(lib.ctx, list, sizeof list);
        EXPECT_EQ(BrowserProgramWindow(lib.ctx, app), browser) << program;
    }
    // Where the hooks were installed, the program owning the window decides.
    lib.process.hooksInstalledHere = true;
    os.processImages = {{20, "C:\\Code\\CODE.EXE"}};
    os.Window(app).processId = 20;
    EXPECT_TRUE(BrowserProgramWindow(lib.ctx, app));
}

TEST_F(WindowClassification, SizingRefusesTaskbarDesktopAndEmptyWindows) {
    Hwnd taskbar = TopLevel("", Rect{0, 738, 1024, 768}, kAppStyle, 0, "Shell_TrayWnd");
    Hwnd empty = TopLevel("Empty", Rect{10, 10, 10, 200});
    Hwnd flat = TopLevel("Flat", Rect{10, 10, 200, 10});
    Hwnd desktop = TopLevel("", Rect{0, 0, 1024, 768}, kAppStyle, 0, "WorkerW");
    Hwnd shifted = TopLevel("", Rect{5, 0, 1024, 768}, kAppStyle, 0, "WorkerW");
    Hwnd progman = TopLevel("Program Manager", Rect{0, 0, 1024, 768}, kAppStyle, 0, "Progman");
    Hwnd fullApp = TopLevel("Full", Rect{0, 0, 1024, 768});

    EXPECT_TRUE(CanSizeWindow(lib.ctx, app));
    EXPECT_FALSE(CanSizeWindow(lib.ctx, taskbar));
    EXPECT_FALSE(CanSizeWindow(lib.ctx, empty));
    EXPECT_FALSE(CanSizeWindow(lib.ctx, flat));
    EXPECT_FALSE(CanSizeWindow(lib.ctx, desktop));
    EXPECT_TRUE(CanSizeWindow(lib.ctx, shifted));
    EXPECT_FALSE(CanSizeWindow(lib.ctx, progman));
    EXPECT_TRUE(CanSizeWindow(lib.ctx, fullApp)) << "a full-screen application is not the desktop";
}

TEST_F(WindowClassification, OwnWindowsNeedTitleAndMarker) {
    shared.OwnWindowMarker = 0xAAAAAAAA;
    Hwnd main = TopLevel("Quorvel", Rect{0, 0, 100, 100});
    os.Window(main).userData = 0xAAAAAAAA;
    Hwnd switcher = TopLevel("Easy task switcher", Rect{0, 0, 100, 100});
    os.Window(switcher).userData = 0xAAAAAAAA;
    Hwnd foreign = TopLevel("Quorvel", Rect{0, 0, 100, 100});

    EXPECT_TRUE(IsOwnMainWindow(lib.ctx, main));
    EXPECT_FALSE(IsOwnTaskSwitcherWindow(lib.ctx, main));
    EXPECT_TRUE(IsOwnTaskSwitcherWindow(lib.ctx, switcher));
    EXPECT_FALSE(IsOwnMainWindow(lib.ctx, foreign));

    EXPECT_FALSE(CanCloseWindow(lib.ctx, main));
    EXPECT_FALSE(CanCloseWindow(lib.ctx, switcher));
    EXPECT_TRUE(CanCloseWindow(lib.ctx, foreign));
}

TEST_F(WindowClassification, CloseNeedsAVisibleTitledTopLevelWindow) {
    Hwnd console = TopLevel("cmd", Rect{0, 0, 300, 200}, kAppStyle, 0, "consolewindowclass");
    EXPECT_FALSE(CanCloseWindow(lib.ctx, console)) << "the console class compares ignoring case";
    EXPECT_FALSE(CanCloseWindow(lib.ctx, 0));

    Hwnd hidden = TopLevel("Hidden", Rect{0, 0, 300, 200});
    os.Window(hidden).visible = false;
    EXPECT_FALSE(CanCloseWindow(lib.ctx, hidden));

    Hwnd untitled = TopLevel("", Rect{0, 0, 300, 200});
    EXPECT_FALSE(CanCloseWindow(lib.ctx, untitled));
    TopLevel("Palette", Rect{20, 20, 120, 120}, kAppStyle, untitled);
    EXPECT_TRUE(CanCloseWindow(lib.ctx, untitled)) << "it owns a visible titled popup";

    Hwnd shell = TopLevel("Program Manager", Rect{0, 0, 1024, 768}, kAppStyle, 0, "Progman");
    EXPECT_FALSE(CanCloseWindow(lib.ctx, shell));
    Hwnd flat = TopLevel("Flat", Rect{0, 0, 300, 0});
    EXPECT_FALSE(CanCloseWindow(lib.ctx, flat));
}

TEST_F(WindowClassification, CloseEnumerationLogsEachWindowItReaches) {
    Hwnd back = TopLevel("Back", Rect{0, 0, 300, 200});
    Hwnd flat = TopLevel("Flat", Rect{0, 0, 300, 0});
    TopLevel("", Rect{0, 0, 300, 200});
    Hwnd front = TopLevel("Front", Rect{0, 0, 300, 200});
    lib.ClearLog();

    EXPECT_TRUE(CanCloseWindow(lib.ctx, back));
    char l1[64], l2[64], l3[64], l4[64];
    std::snprintf(l1, sizeof l1, "Enum window: %x", front);
    std::snprintf(l2, sizeof l2, "mian ji wei 0: %x", flat);
    std::snprintf(l3, sizeof l3, "Enum window: %x", back);
    std::snprintf(l4, sizeof l4, "Enum window: %x", app);
    EXPECT_EQ(lib.LogLines(), (std::vector<std::string>{l1, l2, l3})) << "stops at the match, skips the untitled";
    EXPECT_FALSE(Logged(l4));
}

TEST_F(WindowClassification, NotepadOrWordByCommandLine) {
    EXPECT_TRUE(IsNotepadOrWordProcess("C:\\WINDOWS\\NOTEPAD.EXE"));
    EXPECT_TRUE(IsNotepadOrWordProcess("\"C:\\Program Files\\Microsoft Office\\WinWord.exe\" /n"));
    EXPECT_TRUE(IsNotepadOrWordProcess("notepad.exe c:\\a.txt"));
    EXPECT_FALSE(IsNotepadOrWordProcess("C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"));
    EXPECT_FALSE(IsNotepadOrWordProcess("notepad c:\\a.txt"));
    EXPECT_FALSE(IsNotepadOrWordProcess("notepad.ex"));
    EXPECT_FALSE(IsNotepadOrWordProcess(""));
}

}  // namespace
}  // namespace quorvel::testing
