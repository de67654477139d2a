// The circle gesture: drawing a quick loop with the pointer, no button held,
// launches a new browser window. The detector looks back over the shared
// pointer trace each time a new point is stored.
#pragma once

#include <cstdint>

#include "hooklib/core/Context.h"
#include "hooklib/core/ScreenBounds.h"

namespace quorvel {

// ---- thresholds
constexpr uint32_t CIRCLE_REPEAT_INTERVAL = 2000;  // ms; no new circle until this long after the last
constexpr uint32_t CIRCLE_MIN_TIME = 500;          // ms; youngest admissible age of the loop's start
constexpr uint32_t CIRCLE_MAX_TIME = 1100;         // ms; oldest admissible age of the loop's start
constexpr int32_t CIRCLE_CLOSE_RANGE = 50;         // px; start strictly within this of the newest point, per axis
constexpr int32_t CIRCLE_MIN_POINTS = 30;          // the loop needs more points than this, both ends included
constexpr int32_t SCREEN_EDGE_MARGIN = 5;          // px; a loop point nearer to a screen edge rejects it
constexpr float CIRCLE_MIN_RADIUS = 75.0f;         // px; the weighted mean squared radius must exceed its square
constexpr float CIRCLE_MAX_RADIUS_RATIO = 7.0f;    // largest / smallest squared radius must stay below this
constexpr float TWO_POINT_MAX_DISTANCE_SQUARE = 10000.0f;  // consecutive loop points at most 100 px apart

// ---- further fixed numbers of the test
constexpr float MOVEMENT_START_SQUARE = 36.0f;   // a step longer than 6 px starts the movement
constexpr float PAUSE_DIVISOR = 50.0f;           // a step shorter than radius / 50 after the start is a pause
constexpr float SMALLEST_RADIUS_SQUARE = 10.0f;  // a point this near the centre rejects the loop
constexpr float SMALLEST_WEIGHT_SUM = 1.0f;      // total path length below this rejects the loop
constexpr float MIN_SEARCH_START = 1048576.0f;   // starting value of the smallest squared radius

// The loop that closes at the newest point: its oldest slot in the trace,
// the number of points from there to the newest (both included) and the
// age of its start point.
struct CircleLoop {
    int32_t start = 0;
    int32_t count = 0;
    uint32_t age = 0;
};

// What the shape test measured over a loop.
struct CircleShape {
    float meanR2 = 0;  // weighted mean squared radius
    float minR2 = 0;
    float maxR2 = 0;
    bool paused = false;
    bool twoPointTooFar = false;
    bool tooNearScreenEdge = false;
    bool measured = false;  // false: no path length, or a point on the centre
};

// Tick differences are plain unsigned 32-bit subtraction, which measures
// ages of a few seconds correctly across the wrap of the tick counter.
inline uint32_t TickAge(uint32_t now, uint32_t then) { return now - then; }

// Walks the trace back from the newest slot `newest` for the loop's start.
// False when there is none: the window of ages passed, the ring was walked
// whole, or an unfilled slot was reached.
bool FindCircleLoop(const SharedState& s, int32_t newest, int32_t x, int32_t y, uint32_t now, CircleLoop* loop);

// Centre, radii and steadiness of the loop's points.
CircleShape MeasureCircleLoop(const SharedState& s, const CircleLoop& loop, const MonitorLayout& screen);

// The decision on the measured shape.
bool IsCircleShape(const CircleShape& shape);

// True when the point just stored in slot `slot`, (x, y) taken at tick
// `now`, closes a circle. The slot is the caller's: MouseTraceIndex may
// already have moved on under another thread. On true the trace line has
// been logged and LastCircleTime set to `now`.
bool DetectCircle(Context& ctx, int32_t slot, int32_t x, int32_t y, uint32_t now);

}  // namespace quorvel
