// Drag-to-scroll steps of Firefox and Chromium pages: which windows the
// receiver takes them for (as the hooks decide), the wheel turns they
// become, and the calibration.
#include "control/dragscroll/BrowserDragScroll.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

struct FakeWindow {
    std::string className;
    uint32_t parent = 0;
    std::string program;
    int left = 0, top = 0, right = 800, bottom = 600;
};

class BrowserSteps : public ::testing::Test, public DragScrollHost, public WheelScrollHost {
protected:
    static constexpr uint32_t kEdge = 0x100, kEdgePage = 0x110, kEdgeInner = 0x111, kCode = 0x200, kCodePage = 0x210,
                              kFirefox = 0x300, kFirefoxPage = 0x310, kMail = 0x400, kMailPage = 0x410, kIe = 0x500,
                              kIePage = 0x510;
    std::map<uint32_t, FakeWindow> windows{
        {kEdge, {"Chrome_WidgetWin_1", 0, "C:\\Edge\\msedge.exe"}},
        {kEdgePage, {"Chrome_RenderWidgetHostHWND", kEdge, "C:\\Edge\\msedge.exe", 0, 80}},
        {kEdgeInner, {"Intermediate D3D Window", kEdgePage, "C:\\Edge\\msedge.exe", 0, 80}},
        {kCode, {"Chrome_WidgetWin_1", 0, "C:\\VS Code\\Code.exe"}},
        {kCodePage, {"Chrome_RenderWidgetHostHWND", kCode, "C:\\VS Code\\Code.exe"}},
        {kFirefox, {"MozillaWindowClass", 0, "C:\\Firefox\\FIREFOX.EXE"}},
        {kFirefoxPage, {"MozillaWindowClass", kFirefox, "C:\\Firefox\\FIREFOX.EXE"}},
        {kMail, {"MozillaWindowClass", 0, "C:\\Mail\\thunderbird.exe"}},
        {kMailPage, {"MozillaWindowClass", kMail, "C:\\Mail\\thunderbird.exe"}},
        {kIe, {"IEFrame", 0, "C:\\IE\\iexplore.exe"}},
        {kIePage, {"Internet Explorer_Server", kIe, "C:\\IE\\iexplore.exe"}},
    };
    struct Turn {
        uint32_t window;
        int units, x, y;
        bool operator==(const Turn& o) const { return window == o.window && units == o.units && x == o.x && y == o.y; }
    };
    std::vector<Turn> turns;
    std::vector<std::string> lines;
    std::vector<uint32_t> documentsAskedFor;
    WheelSettings settings;
    DragAndScroll pages{static_cast<DragScrollHost&>(*this)};
    BrowserDragScroll receiver{pages, static_cast<WheelScrollHost&>(*this)};

    // DragScrollHost: Internet Explorer's pages, only counted here
    std::unique_ptr<PageDocument> DocumentOf(uint32_t content) override {
        documentsAskedFor.push_back(content);
        return nullptr;
    }
    void AddIEWindow(uint32_t) override {}
    void RemoveIEWindow(uint32_t) override {}
    // both hosts
    bool IsWindow(uint32_t w) override { return windows.count(w) != 0; }
    void WriteDebugLine(const std::string& text) override { lines.push_back(text); }
    // WheelScrollHost
    std::string ClassName(uint32_t w) override { return IsWindow(w) ? windows[w].className : ""; }
    uint32_t Parent(uint32_t w) override { return IsWindow(w) ? windows[w].parent : 0; }
    uint32_t Root(uint32_t w) override {
        while (Parent(w)) w = Parent(w);
        return w;
    }
    uint32_t VisibleChildAt(uint32_t parent, const char* className, int x, int y) override {
        for (auto& [handle, w] : windows) {
            if (w.parent == parent && w.className == className && w.left <= x && x < w.right && w.top <= y &&
                y < w.bottom) {
                return handle;
            }
        }
        return 0;
    }
    std::string ProgramPath(uint32_t w) override { return IsWindow(w) ? windows[w].program : ""; }
    WheelSettings SettingsFor(uint32_t) override { return settings; }
    void PostWheel(uint32_t w, int units, int x, int y) override { turns.push_back(Turn{w, units, x, y}); }

    // A drag as the main window hands it on: the first step at the press point.
    void Drag(uint32_t window, std::vector<int> ys, int x = 300) {
        for (int y : ys) {
            receiver.WatchBrowserWindow(Root(window), window);
            receiver.DragScrollStep(Root(window), x, y, 80, 0, 801);
        }
        receiver.ForgetActiveFrame(Root(window));
    }
    int Units() const {
        int sum = 0;
        for (const Turn& t : turns) sum += t.units;
        return sum;
    }
};

TEST_F(BrowserSteps, TheReceiverTakesThePagesTheHooksTake) {
    const std::string defaults(DEFAULT_BROWSER_PROGRAMS, DEFAULT_BROWSER_PROGRAMS_SIZE);
    const std::string userAdded("code.exe\0\0", 10);
    struct Case {
        uint32_t window;
        int y;
        const std::string& list;
        BrowserFamily family;
    } cases[] = {
        {kEdgePage, 300, defaults, BROWSER_CHROMIUM}, {kEdgeInner, 300, defaults, BROWSER_CHROMIUM},
        {kEdge, 300, defaults, BROWSER_CHROMIUM},     {kEdge, 40, defaults, BROWSER_NONE},  // over the tabs
        {kCodePage, 300, defaults, BROWSER_NONE},     {kCodePage, 300, userAdded, BROWSER_CHROMIUM},
        {kEdgePage, 300, userAdded, BROWSER_NONE},    {kFirefoxPage, 300, defaults, BROWSER_FIREFOX},
        {kMailPage, 300, defaults, BROWSER_NONE},     {kIePage, 300, userAdded, BROWSER_INTERNET_EXPLORER},
        {kIe, 300, defaults, BROWSER_NONE},           {0x999, 300, defaults, BROWSER_NONE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReceivedPage(*this, c.window, 300, c.y, c.list), c.family) << std::hex << c.window << " " << c.y;
    }
}

TEST_F(BrowserSteps, ThePagesOfBrowsersFollowThePointerByWheelTurns) {
    // 60 px down in small steps: 72 units (1.2 per pixel), none on the
    // first step, every turn at the press point and below a whole notch.
    Drag(kEdgePage, {200, 203, 211, 236, 260});
    EXPECT_EQ(Units(), -72);
    EXPECT_EQ(turns.front(), (Turn{kEdgePage, -4, 300, 200}));
    for (const Turn& t : turns) EXPECT_TRUE(t.units < 0 && t.units > -WHEEL_NOTCH && t.x == 300 && t.y == 200);
    EXPECT_EQ(lines.back(), "mouse x : 300 mouse y : 260wheel by -29");

    // A long way at once goes in turns below a notch; back up scrolls up.
    turns.clear();
    Drag(kFirefoxPage, {100, 250, 240, 100}, 50);
    EXPECT_EQ(turns, (std::vector<Turn>{{kFirefoxPage, -119, 50, 100},  // 150 px at 120/114 units a pixel
                                        {kFirefoxPage, -39, 50, 100},
                                        {kFirefoxPage, 11, 50, 100},
                                        {kFirefoxPage, 119, 50, 100},
                                        {kFirefoxPage, 28, 50, 100}}));
    EXPECT_EQ(Units(), 0) << "what rounding left over is not lost";

    // Nothing for engines in programs that are no browsers, nor for an
    // Internet Explorer frame that is no page; Internet Explorer's pages
    // are read as ever.
    turns.clear();
    Drag(kCodePage, {200, 260});
    Drag(kIe, {200, 260});
    EXPECT_TRUE(turns.empty());
    EXPECT_TRUE(documentsAskedFor.empty());
    EXPECT_EQ(lines.back(), "drag scroll: window " + std::to_string(kIe) + " is no browser page");
    Drag(kIePage, {200, 260});
    EXPECT_EQ(documentsAskedFor, (std::vector<uint32_t>{kIePage, kIePage})) << "each step, while it has none";

    // The list Quorvel.exe hands the hooks is the receiver's too.
    receiver.SetBrowserPrograms(std::string("code.exe\0\0", 10));
    Drag(kCodePage, {200, 210});
    Drag(kEdgePage, {200, 210});
    EXPECT_EQ(turns, (std::vector<Turn>{{kCodePage, -12, 300, 200}}));
}

TEST(WheelCalibration, PixelsPerWheelUnit) {
    struct Case {
        BrowserFamily family;
        WheelSettings settings;
        double pixelsPerNotch;
    } cases[] = {
        {BROWSER_CHROMIUM, {3, 96, 700}, 100},
        {BROWSER_CHROMIUM, {3, 144, 700}, 150},  // 150 %: larger pixels of the page, smaller of the pointer
        {BROWSER_CHROMIUM, {6, 96, 700}, 200},
        {BROWSER_FIREFOX, {3, 96, 700}, 114},
        {BROWSER_FIREFOX, {5, 96, 700}, 95},
        {BROWSER_FIREFOX, {WHEEL_PAGE_SCROLL, 96, 800}, 700},
        {BROWSER_CHROMIUM, {WHEEL_PAGE_SCROLL, 120, 800}, 875},
        {BROWSER_CHROMIUM, {0, 96, 700}, 0},
        {BROWSER_INTERNET_EXPLORER, {3, 96, 700}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PixelsPerWheelUnit(c.family, c.settings) * WHEEL_NOTCH, c.pixelsPerNotch, 1e-9)
            << c.family << " " << c.settings.linesPerNotch << " " << c.settings.dpi;
    }
    EXPECT_EQ(WheelTurns(-240), (std::vector<int>{-119, -119, -2}));
    EXPECT_EQ(WheelTurns(0), (std::vector<int>{}));
}

}  // namespace
}  // namespace quorvel
