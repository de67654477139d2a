// Drag-to-scroll steps of Firefox and Chromium pages: the wheel turns they
// become, only for pages of browser programs, and the calibration.
#include "control/dragscroll/BrowserDragScroll.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel {
namespace {

class BrowserSteps : public ::testing::Test, public DragScrollHost, public WheelScrollHost {
protected:
    // roots 0x?00 and their pages 0x?10: class, program
    std::map<uint32_t, std::pair<std::string, std::string>> windows{
        {0x100, {"Chrome_WidgetWin_1", "msedge.exe"}},
        {0x110, {"Chrome_RenderWidgetHostHWND", "msedge.exe"}},
        {0x200, {"Chrome_WidgetWin_1", "Code.exe"}},
        {0x210, {"Chrome_RenderWidgetHostHWND", "Code.exe"}},
        {0x300, {"MozillaWindowClass", "firefox.exe"}},
        {0x310, {"MozillaWindowClass", "firefox.exe"}},
        {0x500, {"IEFrame", "iexplore.exe"}}};
    std::vector<std::vector<int>> turns;  // window, units, x, y
    std::string lastLine;
    DragAndScroll pages{static_cast<DragScrollHost&>(*this)};
    BrowserDragScroll receiver{pages, static_cast<WheelScrollHost&>(*this)};

    std::unique_ptr<PageDocument> DocumentOf(uint32_t) override { return nullptr; }
    void AddIEWindow(uint32_t) override {}
    void RemoveIEWindow(uint32_t) override {}
    bool IsWindow(uint32_t w) override { return windows.count(w) != 0; }
    void WriteDebugLine(const std::string& text) override { lastLine = text; }
    std::string ClassName(uint32_t w) override { return IsWindow(w) ? windows[w].first : ""; }
    uint32_t Parent(uint32_t w) override { return w & 0xF0 ? w & ~0xFFu : 0; }
    uint32_t Root(uint32_t w) override { return w & ~0xFFu; }
    uint32_t VisibleChildAt(uint32_t, const char*, int, int) override { return 0; }
    std::string ProgramPath(uint32_t w) override { return IsWindow(w) ? "C:\\Programs\\" + windows[w].second : ""; }
    WheelSettings SettingsFor(uint32_t) override { return WheelSettings{}; }
    void PostWheel(uint32_t w, int units, int x, int y) override {
        turns.push_back({static_cast<int>(w), units, x, y});
    }
    // A drag as the main window hands it on: the first step at the press point.
    void Drag(uint32_t window, std::vector<int> ys, int x = 300) {
        for (int y : ys) {
            receiver.WatchBrowserWindow(Root(window), window);
            receiver.DragScrollStep(Root(window), x, y, 80, 0, 801);
        }
        receiver.ForgetActiveFrame(Root(window));
    }
};

TEST_F(BrowserSteps, ThePagesOfBrowsersFollowThePointerByWheelTurns) {
    // 60 px down: 72 units (1.2 a pixel) at the press point, none at the first step; a long way goes
    // in turns below a notch, and what rounding leaves counts in the next step (Firefox: 120/114 a pixel).
    Drag(0x110, {200, 203, 236, 260});
    EXPECT_EQ(turns,
              (std::vector<std::vector<int>>{{0x110, -4, 300, 200}, {0x110, -39, 300, 200}, {0x110, -29, 300, 200}}));
    EXPECT_EQ(lastLine, "mouse x : 300 mouse y : 260wheel by -29");
    turns.clear();
    Drag(0x310, {100, 250, 240, 100}, 50);
    EXPECT_EQ(turns, (std::vector<std::vector<int>>{{0x310, -119, 50, 100},
                                                    {0x310, -39, 50, 100},
                                                    {0x310, 11, 50, 100},
                                                    {0x310, 119, 50, 100},
                                                    {0x310, 28, 50, 100}}));
    // Nothing for programs that are no browsers nor for a frame; the hooks' list is the receiver's too.
    turns.clear();
    Drag(0x210, {200, 260});
    Drag(0x500, {200, 260});
    EXPECT_TRUE(turns.empty());
    EXPECT_EQ(lastLine, "drag scroll: window 1280 is no browser page");
    receiver.SetBrowserPrograms(std::string("code.exe\0", 10));
    Drag(0x210, {200, 210});
    Drag(0x110, {200, 210});
    EXPECT_EQ(turns, (std::vector<std::vector<int>>{{0x210, -12, 300, 200}}));
}

TEST(WheelCalibration, PixelsPerNotch) {
    const struct {
        BrowserFamily family;
        WheelSettings settings;
        double pixels;
    } cases[] = {
        {BROWSER_CHROMIUM, {3, 96, 700}, 100},
        {BROWSER_CHROMIUM, {3, 144, 700}, 150},
        {BROWSER_FIREFOX, {3, 96, 700}, 114},
        {BROWSER_FIREFOX, {5, 96, 700}, 95},
        {BROWSER_FIREFOX, {WHEEL_PAGE_SCROLL, 96, 800}, 700},
        {BROWSER_INTERNET_EXPLORER, {3, 96, 700}, 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(PixelsPerWheelUnit(c.family, c.settings) * 120, c.pixels, 1e-9) << c.pixels;
    EXPECT_EQ(WheelTurns(-240), (std::vector<int>{-119, -119, -2}));
}

}  // namespace
}  // namespace quorvel
