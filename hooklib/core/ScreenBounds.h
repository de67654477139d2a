// The desktop as a set of monitors, read when needed (monitors come and go,
// change resolution and move while the hooks run). Coordinates are physical
// screen pixels; monitors left of or above the primary one have negative
// coordinates.
#pragma once

#include "Platform.h"
#include "common/SharedState.h"  // MAX_MONITORS

namespace quorvel {


struct MonitorLayout {
    Rect monitors[MAX_MONITORS];  // whole monitor areas, right and bottom exclusive
    int count = 0;
};

// The monitors now; the primary screen (ScreenWidth x ScreenHeight at 0,0)
// when the system reports none.
MonitorLayout ReadMonitors(Monitors& monitors, const SharedState& shared);

// The bounding rectangle of all monitors (the virtual screen).
Rect VirtualScreen(const MonitorLayout& layout);

// True when p lies on a monitor. With farEdgeIncluded the pixel just past a
// monitor's right or bottom edge counts too (a target "≤ width" is on screen).
bool OnAnyMonitor(const MonitorLayout& layout, Point p, bool farEdgeIncluded);

// The monitor under p, or the nearest one when p lies on none.
Rect MonitorOf(const MonitorLayout& layout, Point p);

// True when p lies nearer than margin to an edge of its monitor beyond which
// no other monitor continues (where the pointer stops).
bool NearOuterEdge(const MonitorLayout& layout, Point p, int margin);

}  // namespace quorvel
