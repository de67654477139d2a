// The desktop as a set of monitors, as Quorvel.exe last read it and handed
// it over (SetMonitorLayout): the hooks never ask Windows for the monitors
// on their paths. Coordinates are physical screen pixels; monitors left of
// or above the primary one have negative coordinates.
#pragma once

#include "Platform.h"
#include "common/SharedState.h"  // MAX_MONITORS

namespace quorvel {

struct MonitorLayout {
    Rect monitors[MAX_MONITORS];  // whole monitor areas, right and bottom exclusive
    int count = 0;
};

// The layout of the shared record, read within bounds: entries that are no
// rectangle (or lie beyond any screen) are left out. The primary screen
// (ScreenWidth x ScreenHeight at 0,0) when the record holds none.
MonitorLayout ReadMonitors(const SharedState& shared);

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

// True when the whole box (right and bottom inclusive) lies on one monitor
// at least margin away from each of its edges: no point of it is near any
// edge, outer or not.
bool WellInsideOneMonitor(const MonitorLayout& layout, const Rect& box, int margin);

}  // namespace quorvel
