#include "CircleDetector.h"

#include <algorithm>
#include <cmath>

#include "hooklib/core/DebugLog.h"

namespace quorvel {
namespace {

constexpr int32_t RING = MAX_MOUSE_TRACE_NUM;

int32_t Older(int32_t slot) { return slot == 0 ? RING - 1 : slot - 1; }

// A slot no point was stored in yet. Stored positions may well be negative
// (monitors left of or above the primary one), never the marker.
bool IsUnfilled(const TracePoint& p) { return p.x == TRACE_SLOT_EMPTY; }

bool WithinCloseRange(const TracePoint& p, int32_t x, int32_t y) {
    return p.x > x - CIRCLE_CLOSE_RANGE && p.x < x + CIRCLE_CLOSE_RANGE && p.y > y - CIRCLE_CLOSE_RANGE &&
           p.y < y + CIRCLE_CLOSE_RANGE;
}

// Squares are summed in 64 bits: two positions read from a message's
// 16-bit halves can lie up to 65535 px apart.
int64_t SquaredDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    int64_t dx = static_cast<int64_t>(x1) - x2;
    int64_t dy = static_cast<int64_t>(y1) - y2;
    return dx * dx + dy * dy;
}

// Near an edge of the desktop where the pointer stops (an edge between two
// monitors is none).
bool NearScreenEdge(const MonitorLayout& screen, int32_t x, int32_t y) {
    return NearOuterEdge(screen, Point{x, y}, SCREEN_EDGE_MARGIN);
}

struct LoopPoints {
    int32_t x[RING];
    int32_t y[RING];
    float weight[RING];  // length of the segment leaving the point
    float step2[RING];   // squared length of that segment
    int32_t count;
};

// Copies the loop's points once, so that every pass sees the same points
// even while other threads keep storing new ones: the slots up to the end
// of the ring, then those from its start.
void ReadLoop(const SharedState& s, const CircleLoop& loop, LoopPoints* pts) {
    pts->count = loop.count;
    const int32_t first = loop.count < RING - loop.start ? loop.count : RING - loop.start;
    for (int32_t i = 0; i < first; ++i) {
        pts->x[i] = s.MouseTrace[loop.start + i].x;
        pts->y[i] = s.MouseTrace[loop.start + i].y;
    }
    for (int32_t i = first; i < loop.count; ++i) {
        pts->x[i] = s.MouseTrace[i - first].x;
        pts->y[i] = s.MouseTrace[i - first].y;
    }
}

// The weighted sums of the centre, added point by point in order.
struct CentreSums {
    float x = 0, y = 0, w = 0;
    void Add(int32_t px, int32_t py, float weight) {
        x += static_cast<float>(px) * weight;
        y += static_cast<float>(py) * weight;
        w += weight;
    }
};

// Segment weights, the centre's sums and the edge test in one pass; the
// newest point is not tested. A loop well inside one monitor (the usual
// case) needs no test point by point.
bool WeighSegments(const MonitorLayout& screen, LoopPoints* pts, CentreSums* sums) {
    const int32_t last = pts->count - 1;
    Rect box{pts->x[0], pts->y[0], pts->x[0], pts->y[0]};
    for (int32_t i = 0; i < last; ++i) {
        int64_t d2 = SquaredDistance(pts->x[i], pts->y[i], pts->x[i + 1], pts->y[i + 1]);
        pts->step2[i] = static_cast<float>(d2);
        pts->weight[i] = std::sqrt(static_cast<float>(d2));
        sums->Add(pts->x[i], pts->y[i], pts->weight[i]);
        box.left = std::min(box.left, pts->x[i]);
        box.right = std::max(box.right, pts->x[i]);
        box.top = std::min(box.top, pts->y[i]);
        box.bottom = std::max(box.bottom, pts->y[i]);
    }
    pts->weight[last] = last > 0 ? pts->weight[last - 1] : 0.0f;
    sums->Add(pts->x[last], pts->y[last], pts->weight[last]);
    if (WellInsideOneMonitor(screen, box, SCREEN_EDGE_MARGIN)) return false;
    for (int32_t i = 0; i < last; ++i) {
        if (NearScreenEdge(screen, pts->x[i], pts->y[i])) return true;
    }
    return false;
}

// Steadiness: after the first step longer than 6 px, a step shorter than
// one fiftieth of the mean radius is a pause; the last four steps are not
// examined for start and pause.
void ScanSteadiness(const LoopPoints& pts, float pauseLimit2, CircleShape* shape) {
    bool started = false;
    for (int32_t i = 0; i < pts.count - 1; ++i) {
        float d2 = pts.step2[i];
        if (d2 > TWO_POINT_MAX_DISTANCE_SQUARE) {
            shape->twoPointTooFar = true;
            return;
        }
        if (i >= pts.count - 5) continue;
        if (!started) {
            if (d2 > MOVEMENT_START_SQUARE) started = true;
            continue;
        }
        if (d2 < pauseLimit2) {
            shape->paused = true;
            return;
        }
    }
}

}  // namespace

bool FindCircleLoop(const SharedState& s, int32_t newest, int32_t x, int32_t y, uint32_t now, CircleLoop* loop) {
    if (newest < 0 || newest >= RING) return false;
    int32_t start = newest;
    int32_t count = 1;
    for (;;) {
        start = Older(start);
        ++count;
        if (start == newest) return false;
        const TracePoint& p = s.MouseTrace[start];
        if (IsUnfilled(p)) return false;
        uint32_t age = TickAge(now, p.time);
        if (age < CIRCLE_MIN_TIME) continue;
        if (age > CIRCLE_MAX_TIME) return false;
        if (count > CIRCLE_MIN_POINTS && WithinCloseRange(p, x, y)) {
            loop->start = start;
            loop->count = count;
            loop->age = age;
            return true;
        }
    }
}

CircleShape MeasureCircleLoop(const SharedState& s, const CircleLoop& loop, const MonitorLayout& screen) {
    CircleShape shape;
    LoopPoints pts;
    ReadLoop(s, loop, &pts);
    CentreSums sums;
    shape.tooNearScreenEdge = WeighSegments(screen, &pts, &sums);
    const float sumW = sums.w;
    if (sumW < SMALLEST_WEIGHT_SUM) return shape;
    const int32_t cx = static_cast<int32_t>(sums.x / sumW);
    const int32_t cy = static_cast<int32_t>(sums.y / sumW);

    float minR2 = MIN_SEARCH_START, maxR2 = 0, sumR2W = 0;
    for (int32_t i = 0; i < pts.count; ++i) {
        float r2 = static_cast<float>(SquaredDistance(pts.x[i], pts.y[i], cx, cy));
        sumR2W += r2 * pts.weight[i];
        if (r2 > maxR2) maxR2 = r2;
        if (r2 < minR2) minR2 = r2;
    }
    shape.minR2 = minR2;
    shape.maxR2 = maxR2;
    if (minR2 < SMALLEST_RADIUS_SQUARE) return shape;

    shape.meanR2 = sumR2W / sumW;
    const float pauseLimit = std::sqrt(shape.meanR2) / PAUSE_DIVISOR;
    ScanSteadiness(pts, pauseLimit * pauseLimit, &shape);
    shape.measured = true;
    return shape;
}

bool IsCircleShape(const CircleShape& shape) {
    return shape.measured && shape.meanR2 > CIRCLE_MIN_RADIUS * CIRCLE_MIN_RADIUS &&
           shape.maxR2 / shape.minR2 < CIRCLE_MAX_RADIUS_RATIO && !shape.paused && !shape.twoPointTooFar &&
           !shape.tooNearScreenEdge;
}

bool DetectCircle(Context& ctx, int32_t slot, int32_t x, int32_t y, uint32_t now) {
    SharedState& s = ctx.shared;
    if (TickAge(now, s.LastCircleTime) < CIRCLE_REPEAT_INTERVAL) return false;
    CircleLoop loop;
    if (!FindCircleLoop(s, slot, x, y, now, &loop)) return false;
    CircleShape shape = MeasureCircleLoop(s, loop, ReadMonitors(ctx.shared));
    if (!IsCircleShape(shape)) return false;
    WriteLogF(ctx,
              "\nCircle trace information :  Point count : %d, Time : %d ms, radius : %f, max/min radius: %f, "
              "paused : %d, TwoPointToFar : %d, TooNearScreenEdge : %d",
              loop.count, static_cast<int>(loop.age), std::sqrt(static_cast<double>(shape.meanR2)),
              std::sqrt(static_cast<double>(shape.maxR2 / shape.minR2)), shape.paused ? 1 : 0,
              shape.twoPointTooFar ? 1 : 0, shape.tooNearScreenEdge ? 1 : 0);
    s.LastCircleTime = now;
    return true;
}

}  // namespace quorvel
