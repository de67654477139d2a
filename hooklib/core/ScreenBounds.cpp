#include "ScreenBounds.h"

#include <algorithm>
#include <cstdint>

namespace quorvel {
namespace {

constexpr int32_t MONITOR_COORDINATE_LIMIT = 1 << 24;

bool Inside(const Rect& r, Point p, bool farEdgeIncluded) {
    const int32_t extra = farEdgeIncluded ? 1 : 0;
    return p.x >= r.left && p.x < r.right + extra && p.y >= r.top && p.y < r.bottom + extra;
}

// Squared distance from p to the rectangle (0 inside).
int64_t DistanceSquared(const Rect& r, Point p) {
    const int64_t dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - (r.right - 1) : 0);
    const int64_t dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - (r.bottom - 1) : 0);
    return dx * dx + dy * dy;
}

// A rectangle of the record that can be a monitor: not empty, and far
// enough from the ends of 32 bits that no edge arithmetic overflows.
bool Plausible(const MonitorBox& b) {
    return b.left < b.right && b.top < b.bottom && b.left > -MONITOR_COORDINATE_LIMIT &&
           b.top > -MONITOR_COORDINATE_LIMIT && b.right < MONITOR_COORDINATE_LIMIT &&
           b.bottom < MONITOR_COORDINATE_LIMIT;
}

}  // namespace

MonitorLayout ReadMonitors(const SharedState& shared) {
    MonitorLayout layout;
    const int32_t count = shared.MonitorCount;
    const int32_t kept = count < 0 ? 0 : (count > MAX_MONITORS ? MAX_MONITORS : count);
    for (int32_t i = 0; i < kept; ++i) {
        const MonitorBox box = shared.Monitors[i];
        if (Plausible(box)) layout.monitors[layout.count++] = Rect{box.left, box.top, box.right, box.bottom};
    }
    if (layout.count == 0) {
        layout.count = 1;
        layout.monitors[0] = Rect{0, 0, shared.ScreenWidth, shared.ScreenHeight};
    }
    return layout;
}

Rect VirtualScreen(const MonitorLayout& layout) {
    Rect v = layout.monitors[0];
    for (int i = 1; i < layout.count; ++i) {
        const Rect& m = layout.monitors[i];
        v.left = std::min(v.left, m.left);
        v.top = std::min(v.top, m.top);
        v.right = std::max(v.right, m.right);
        v.bottom = std::max(v.bottom, m.bottom);
    }
    return v;
}

bool OnAnyMonitor(const MonitorLayout& layout, Point p, bool farEdgeIncluded) {
    for (int i = 0; i < layout.count; ++i) {
        if (Inside(layout.monitors[i], p, farEdgeIncluded)) return true;
    }
    return false;
}

Rect MonitorOf(const MonitorLayout& layout, Point p) {
    int best = 0;
    int64_t bestDistance = INT64_MAX;
    for (int i = 0; i < layout.count; ++i) {
        const int64_t d = DistanceSquared(layout.monitors[i], p);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return layout.monitors[best];
}

bool NearOuterEdge(const MonitorLayout& layout, Point p, int margin) {
    const Rect m = MonitorOf(layout, p);
    return (p.x - m.left < margin && !OnAnyMonitor(layout, Point{m.left - 1, p.y}, false)) ||
           (p.y - m.top < margin && !OnAnyMonitor(layout, Point{p.x, m.top - 1}, false)) ||
           (m.right - p.x < margin && !OnAnyMonitor(layout, Point{m.right, p.y}, false)) ||
           (m.bottom - p.y < margin && !OnAnyMonitor(layout, Point{p.x, m.bottom}, false));
}

bool WellInsideOneMonitor(const MonitorLayout& layout, const Rect& box, int margin) {
    for (int i = 0; i < layout.count; ++i) {
        const Rect& m = layout.monitors[i];
        if (box.left - m.left >= margin && box.top - m.top >= margin && m.right - box.right >= margin &&
            m.bottom - box.bottom >= margin) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvel
