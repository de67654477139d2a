#include "CircleDetector.h"

#include <cmath>

#include "hooklib/core/DebugLog.h"

namespace quorvel {
namespace {

constexpr int32_t RING = MAX_MOUSE_TRACE_NUM;

int32_t Older(int32_t slot) { return slot == 0 ? RING - 1 : slot - 1; }

// An unfilled slot still holds x = -1; a stored x is never negative.
bool IsUnfilled(const TracePoint& p) { return p.x < 0; }

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
// even while other threads keep storing new ones.
void ReadLoop(const SharedState& s, const CircleLoop& loop, LoopPoints* pts) {
    pts->count = loop.count;
    int32_t slot = loop.start;
    for (int32_t i = 0; i < loop.count; ++i) {
        pts->x[i] = s.MouseTrace[slot].x;
        pts->y[i] = s.MouseTrace[slot].y;
        slot = slot == RING - 1 ? 0 : slot + 1;
    }
}

// Segment weights and the edge test; the newest point is not tested.
bool WeighSegments(const MonitorLayout& screen, LoopPoints* pts) {
    bool tooNearScreenEdge = false;
    const int32_t last = pts->count - 1;
    for (int32_t i = 0; i < last; ++i) {
        int64_t d2 = SquaredDistance(pts->x[i], pts->y[i], pts->x[i + 1], pts->y[i + 1]);
        pts->step2[i] = static_cast<float>(d2);
        pts->weight[i] = std::sqrt(static_cast<float>(d2));
        if (!tooNearScreenEdge && NearScreenEdge(screen, pts->x[i], pts->y[i])) tooNearScreenEdge = true;
    }
    pts->weight[last] = last > 0 ? pts->weight[last - 1] : 0.0f;
    return tooNearScreenEdge;
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
    shape.tooNearScreenEdge = WeighSegments(screen, &pts);

    float sumX = 0, sumY = 0, sumW = 0;
    for (int32_t i = 0; i < pts.count; ++i) {
        sumX += static_cast<float>(pts.x[i]) * pts.weight[i];
        sumY += static_cast<float>(pts.y[i]) * pts.weight[i];
        sumW += pts.weight[i];
    }
    if (sumW < SMALLEST_WEIGHT_SUM) return shape;
    const int32_t cx = static_cast<int32_t>(sumX / sumW);
    const int32_t cy = static_cast<int32_t>(sumY / sumW);

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
    CircleShape shape = MeasureCircleLoop(s, loop, ReadMonitors(ctx.monitors, ctx.shared));
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
