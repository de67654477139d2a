#include "DwellDetector.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

// A stretch of time during which the pointer stays at one place, in one
// condition.
struct Stretch {
  unsigned ms;
  ScreenPoint cursor;
  bool buttonHeld = false;
  bool overOwnWindow = false;
  bool boxShown = false;
  bool paused = false;
};

// Samples every DwellSampleMs from `start`; returns the times (from start)
// at which the box was to open.
std::vector<unsigned> Fires(const std::vector<Stretch>& stretches, uint32_t start = 0) {
  DwellDetector dwell;
  std::vector<unsigned> fires;
  unsigned t = 0;
  for (const Stretch& s : stretches) {
    for (unsigned end = t + s.ms; t < end; t += DwellSampleMs) {
      if (dwell.OnSample({start + t, s.cursor, s.buttonHeld, s.overOwnWindow, s.boxShown, s.paused})) {
        fires.push_back(t);
      }
    }
  }
  return fires;
}

Stretch At(int x, int y, unsigned ms) { return {ms, {x, y}}; }

TEST(DwellDetector, OpensTheBoxOnceAfterMovingAndResting) {
  struct Case {
    const char* name;
    std::vector<Stretch> stretches;
    std::vector<unsigned> fires;
  };
  Stretch held = At(300, 300, 1500);
  held.buttonHeld = true;
  Stretch own = At(300, 300, 1500);
  own.overOwnWindow = true;
  Stretch shown = At(300, 300, 1500);
  shown.boxShown = true;
  Stretch paused = At(300, 300, 1500);
  paused.paused = true;
  const std::vector<Case> cases = {
      {"a pointer that never moved opens nothing", {At(10, 10, 5000)}, {}},
      {"a second after the last movement, once", {At(10, 10, 300), At(300, 300, 5000)}, {1300}},
      {"a wobble of 4 pixels still rests",
       {At(10, 10, 300), At(300, 300, 400), At(304, 296, 300), At(297, 303, 1000)},
       {1300}},
      {"5 pixels is a movement: the second starts over",
       {At(10, 10, 300), At(300, 300, 900), At(305, 300, 1500)},
       {2200}},
      {"slow creeping never rests",
       {At(10, 10, 100), At(15, 10, 600), At(20, 10, 600), At(25, 10, 600), At(30, 10, 600)},
       {}},
      {"never while a button is held, nor after it without new movement",
       {At(10, 10, 300), At(300, 300, 500), held, At(300, 300, 3000)},
       {}},
      {"a held button, then movement and rest", {At(10, 10, 300), held, At(350, 300, 1500)}, {2800}},
      {"never over Quorvel's own windows", {At(10, 10, 300), own, At(300, 300, 3000)}, {}},
      {"never while the box is shown; the box's own click is not followed by a box",
       {At(10, 10, 300), shown, At(300, 300, 3000), At(100, 100, 1200)},
       {5800}},
      {"never while paused", {At(10, 10, 300), paused, At(300, 300, 2000), At(200, 200, 1100)}, {4800}},
      {"resting on after the box went away opens it again only after a movement",
       {At(10, 10, 300), At(300, 300, 3000), At(320, 300, 1100)},
       {1300, 4300}},
  };
  for (const Case& c : cases) EXPECT_EQ(Fires(c.stretches), c.fires) << c.name;
  // Across the wrap of the tick count.
  EXPECT_EQ(Fires({At(10, 10, 300), At(300, 300, 3000)}, 0xFFFFFE00u), (std::vector<unsigned>{1300}));
}

}  // namespace
}  // namespace quorvel
