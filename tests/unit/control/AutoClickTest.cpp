#include "AutoClick.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// The box's window and timers on simulated time: each timer ticks at its
// due time and then every interval; what the box does is logged as
// "<ms> <what>".
class FakeBoxView : public AutoClickView {
 public:
  struct Timer {
    bool running = false;
    unsigned interval = 0;
    uint32_t due = 0;
  };

  AutoClickBox box{*this};
  ScreenPoint cursor{100, 200};
  uint32_t now = 0;
  bool shown = false;
  std::vector<std::string> log;
  std::vector<std::string> trace;

  // Runs the timers up to `until`.
  void RunUntil(uint32_t until) {
    for (;;) {
      Timer* next = nullptr;
      AutoClickTimer which = AutoClickTimer::Click;
      for (auto& [id, timer] : timers_) {
        if (timer.running && timer.due <= until && (!next || timer.due < next->due)) {
          next = &timer;
          which = id;
        }
      }
      if (!next) break;
      now = next->due;
      next->due += next->interval;
      which == AutoClickTimer::Click ? box.OnClickTimer() : box.OnHideTimer();
    }
    now = until;
  }

  ScreenPoint CursorPos() override { return cursor; }
  bool BoxShown() override { return shown; }
  void ShowBox(const ScreenPoint& at) override {
    shown = true;
    Log("show " + std::to_string(at.x) + "," + std::to_string(at.y));
  }
  void HideBox() override {
    shown = false;
    Log("hide");
  }
  void StartTimer(AutoClickTimer timer, unsigned ms) override { timers_[timer] = {true, ms, now + ms}; }
  void StopTimer(AutoClickTimer timer) override { timers_[timer].running = false; }
  void SimulateClick(int x, int y) override {
    Log("click " + std::to_string(x) + "," + std::to_string(y) + (shown ? " over the box" : ""));
  }
  void DebugLine(const std::string& text) override { trace.push_back(text); }

 private:
  void Log(const std::string& what) { log.push_back(std::to_string(now) + " " + what); }
  std::map<AutoClickTimer, Timer> timers_;
};

enum class Do { Activate, Move, Cursor };
struct Step {
  uint32_t at;
  Do what;
  ScreenPoint cursor;  // for Do::Cursor
};

struct BoxCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string> log;  // up to 5 s
};

TEST(AutoClickBox, ShowsHidesAndClicksOnTime) {
  const std::vector<BoxCase> cases = {
      {"never reached: hidden after 2000 ms, no click", {{0, Do::Activate}}, {"0 show 100,200", "2000 hide"}},
      {"reached: the click 600 ms after the movement",
       {{0, Do::Activate}, {500, Do::Move}},
       {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
      {"each movement starts the 600 ms over; the hide timer no longer hides",
       {{0, Do::Activate}, {500, Do::Move}, {1000, Do::Move}, {1500, Do::Move}, {1900, Do::Move}},
       {"0 show 100,200", "2500 hide", "2500 click 100,200"}},
      {"the click lands where the pointer was when the box appeared",
       {{0, Do::Activate}, {300, Do::Cursor, {125, 225}}, {400, Do::Move}, {800, Do::Cursor, {500, 50}}},
       {"0 show 100,200", "1000 hide", "1000 click 100,200"}},
      {"a second activation while shown changes nothing",
       {{0, Do::Activate}, {1500, Do::Cursor, {300, 300}}, {1500, Do::Activate}},
       {"0 show 100,200", "2000 hide"}},
      {"a second activation keeps the armed countdown",
       {{0, Do::Activate}, {500, Do::Move}, {900, Do::Activate}},
       {"0 show 100,200", "1100 hide", "1100 click 100,200"}},
      {"a movement queued after the box went away does nothing",
       {{0, Do::Activate}, {2100, Do::Move}},
       {"0 show 100,200", "2000 hide"}},
      {"after hiding, a new activation shows it at the new place",
       {{0, Do::Activate}, {2500, Do::Cursor, {40, 60}}, {2500, Do::Activate}, {3000, Do::Move}},
       {"0 show 100,200", "2000 hide", "2500 show 40,60", "3600 hide", "3600 click 40,60"}},
  };
  for (const BoxCase& c : cases) {
    FakeBoxView view;
    for (const Step& step : c.steps) {
      view.RunUntil(step.at);
      switch (step.what) {
        case Do::Activate: view.box.ProcessAutoClickActivate(); break;
        case Do::Move: view.box.OnMouseMove(); break;
        case Do::Cursor: view.cursor = step.cursor; break;
      }
    }
    view.RunUntil(5000);
    EXPECT_EQ(view.log, c.log) << c.name;
  }
}

TEST(AutoClickBox, TracesEachStep) {
  FakeBoxView view;
  view.cursor = {-20, 7};
  view.box.ProcessAutoClickActivate();
  view.RunUntil(100);
  view.box.OnMouseMove();
  view.RunUntil(3000);
  view.box.ProcessAutoClickActivate();
  view.RunUntil(6000);
  EXPECT_EQ(view.trace, (std::vector<std::string>{"x : -20 y : 7", "Move in auto click form",
                                                  "SimulateClick x : -20 y : 7", "x : -20 y : 7",
                                                  "Hider timer out"}));
}

TEST(AutoClickBox, PlacedBesideTheCursorWithinItsMonitor) {
  struct Case {
    ScreenPoint cursor;
    ScreenRect monitor;
    ScreenPoint corner;
  };
  const ScreenRect screen{0, 0, 1024, 768};
  const ScreenRect leftMonitor{-1280, -200, 0, 824};
  const std::vector<Case> cases = {
      {{100, 200}, screen, {110, 210}},
      {{963, 700}, screen, {973, 710}},   // fits exactly: 973 + 51 = 1024, 710 + 37 = 747
      {{964, 722}, screen, {903, 722 - 47}},  // one pixel too far right: left of the cursor
      {{500, 760}, screen, {510, 713}},   // the task bar: above the cursor
      {{1023, 767}, screen, {962, 720}},
      {{-5, -195}, leftMonitor, {-66, -185}},
      {{20, 20}, {0, 0, 40, 30}, {30, 30}},  // fits on neither side: the usual place
  };
  for (const Case& c : cases) {
    const ScreenPoint corner = PlaceAutoClickBox(c.cursor, 51, 37, c.monitor);
    EXPECT_EQ(corner.x, c.corner.x) << c.cursor.x << "," << c.cursor.y;
    EXPECT_EQ(corner.y, c.corner.y) << c.cursor.x << "," << c.cursor.y;
  }
}

}  // namespace
}  // namespace quorvel
