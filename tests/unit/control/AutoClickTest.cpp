#include "control/core/AutoClick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

constexpr uint32_t Never = 0xFFFFFFFF;

// The box on simulated time: a started timer ticks at its due time and then
// every interval. What the box does is logged as "<ms> <what>".
class FakeBoxView : public AutoClickView {
public:
    AutoClickBox box{*this};
    ScreenPoint cursor{100, 200};
    uint32_t now = 0;
    bool shown = false;
    uint32_t lastClickOrKey = 7;
    std::vector<std::string> log;

    void RunUntil(uint32_t until) {
        for (int t; (t = due_[0] <= due_[1] ? 0 : 1), due_[t] <= until;) {
            now = due_[t];
            due_[t] += interval_[t];
            t == 0 ? box.OnClickTimer() : box.OnHideTimer();
        }
        now = until;
    }

    ScreenPoint CursorPos() override { return cursor; }
    bool BoxShown() override { return shown; }
    void ShowBox(const ScreenPoint& at) override { shown = true, Log("show", at.x, at.y); }
    void HideBox() override { shown = false, Log("hide"); }
    void StartTimer(AutoClickTimer t, unsigned ms) override { due_[Id(t)] = now + ms, interval_[Id(t)] = ms; }
    void StopTimer(AutoClickTimer t) override { due_[Id(t)] = Never; }
    void SimulateClick(int x, int y) override { Log(shown ? "click on the box" : "click", x, y); }
    void DebugLine(const std::string&) override {}
    uint32_t LastClickOrKeyTime() override { return lastClickOrKey; }

private:
    static int Id(AutoClickTimer t) { return t == AutoClickTimer::Click ? 0 : 1; }
    void Log(const std::string& what, int x = -1, int y = -1) {
        log.push_back(std::to_string(now) + " " + what +
                      (x < 0 ? "" : " " + std::to_string(x) + "," + std::to_string(y)));
    }
    uint32_t due_[2] = {Never, Never};
    unsigned interval_[2] = {0, 0};
};

// Move: the pointer moves over the box (to `cursor` when given, else to a
// place of its own); Dwell opens the box as dwell does, Key is a key or
// click of the user's anywhere.
enum class Do { Activate, Move, Cursor, Dwell, Key, Menu };
struct Step {
    uint32_t at;
    Do what;
    ScreenPoint cursor{0, 0};  // for Do::Cursor, Do::Menu, Do::Move
};

TEST(AutoClickBox, ShowsHidesAndClicksOnTime) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> log;  // within 5 s
    };
    const std::vector<Case> cases = {
        {"never reached: gone after 2000 ms, no click", {{0, Do::Activate}}, {"0 show 100,200", "2000 hide"}},
        {"each movement starts the 600 ms over; the hide timer no longer hides",
         {{0, Do::Activate}, {500, Do::Move}, {1000, Do::Move}, {1500, Do::Move}, {1900, Do::Move}},
         {"0 show 100,200", "2500 hide", "2500 click 100,200"}},
        {"the click lands where the pointer was when the box appeared",
         {{0, Do::Activate}, {300, Do::Cursor, {125, 225}}, {400, Do::Move}, {800, Do::Cursor, {500, 50}}},
         {"0 show 100,200", "1000 hide", "1000 click 100,200"}},
        {"a second activation while shown changes nothing",
         {{0, Do::Activate}, {500, Do::Move}, {900, Do::Cursor, {300, 300}}, {900, Do::Activate}},
         {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
        {"a movement still queued after the box went away does nothing",
         {{0, Do::Activate}, {2100, Do::Move}},
         {"0 show 100,200", "2000 hide"}},
        {"a new activation after hiding shows it at the new place",
         {{0, Do::Activate}, {2500, Do::Cursor, {40, 60}}, {2500, Do::Activate}, {3000, Do::Move}},
         {"0 show 100,200", "2000 hide", "2500 show 40,60", "3600 hide", "3600 click 40,60"}},
        {"reports of no movement do not postpone the click",
         {{0, Do::Activate}, {300, Do::Move, {70, 80}}, {600, Do::Move, {70, 80}}, {800, Do::Move, {70, 80}}},
         {"0 show 100,200", "900 hide", "900 click 100,200"}},
        {"opened by dwell, the box clicks as any other",
         {{0, Do::Dwell}, {500, Do::Move}},
         {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
        {"opened by dwell, typing after it appeared: no click",
         {{0, Do::Dwell}, {300, Do::Key}, {500, Do::Move}},
         {"0 show 100,200", "1100 hide"}},
        {"a key before dwell opened it does not count",
         {{0, Do::Key}, {0, Do::Dwell}, {500, Do::Move}},
         {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
        {"opened by the hotkey, its own key's release does not stop it",
         {{0, Do::Activate}, {100, Do::Key}, {500, Do::Move}},
         {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
        {"from the icon's menu: at the pointer's place before the menu",
         {{0, Do::Menu, {300, 400}}, {500, Do::Move}},
         {"0 show 300,400", "1100 hide", "1100 click 300,400"}},
    };
    for (const Case& c : cases) {
        FakeBoxView view;
        for (const Step& step : c.steps) {
            view.RunUntil(step.at);
            const ScreenPoint own{static_cast<int>(step.at), -1};
            const bool given = step.cursor.x || step.cursor.y;
            if (step.what == Do::Activate) view.box.ProcessAutoClickActivate();
            if (step.what == Do::Dwell) view.box.OpenByDwell();
            if (step.what == Do::Menu) view.box.OpenAt(step.cursor);
            if (step.what == Do::Key) view.lastClickOrKey += 100;
            if (step.what == Do::Move) view.box.OnMouseMove(given ? step.cursor : own);
            if (step.what == Do::Cursor) view.cursor = step.cursor;
        }
        view.RunUntil(5000);
        EXPECT_EQ(view.log, c.log) << c.name;
    }
}

TEST(AutoClickBox, PlacedBesideTheCursorWithinItsMonitor) {
    const ScreenRect screen{0, 0, 1024, 768};
    auto place = [](ScreenPoint cursor, ScreenRect monitor) {
        const ScreenPoint corner = PlaceAutoClickBox(cursor, 51, 37, monitor);
        return std::to_string(corner.x) + "," + std::to_string(corner.y);
    };
    EXPECT_EQ(place({963, 700}, screen), "973,710");  // just fits: 973 + 51 = 1024
    EXPECT_EQ(place({964, 722}, screen), "903,675");  // a pixel too far: left of and above the cursor
    EXPECT_EQ(place({-5, -195}, {-1280, -200, 0, 824}), "-66,-185");
    EXPECT_EQ(place({20, 20}, {0, 0, 40, 30}), "30,30");  // no room either side: the usual place
}

}  // namespace
}  // namespace quorvel
