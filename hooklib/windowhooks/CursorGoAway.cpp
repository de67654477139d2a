#include "CursorGoAway.h"

#include <algorithm>

#include "hooklib/core/ScreenBounds.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

Rect SquareAt(Point p) { return Rect{p.x, p.y, p.x + CARET_BOX_SIZE, p.y + CARET_BOX_SIZE}; }

// IntersectRect's test: the two rectangles share a non-empty area.
bool Overlap(const Rect& a, const Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace

// The pointer flips back at the right or bottom edge of the monitor it is on.
Point CursorAwayTarget(const Rect& monitor, Point p) {
    Point t;
    t.x = p.x + CURSOR_AWAY_DISTANCE >= monitor.right ? p.x - CURSOR_AWAY_DISTANCE : p.x + CURSOR_AWAY_DISTANCE;
    t.y = p.y + CURSOR_AWAY_DISTANCE >= monitor.bottom ? p.y - CURSOR_AWAY_DISTANCE : p.y + CURSOR_AWAY_DISTANCE;
    return t;
}

void CursorGoAway(Context& ctx, const HookMessage& msg) {
    Point caret;
    CursorInfo cursor;
    if (!ctx.input.GetCaretPos(&caret) || !ctx.input.GetCursorInfo(&cursor)) return;
    if (cursor.flags != win::CURSOR_SHOWING) return;
    if (!ctx.windows.ClientToScreen(msg.hwnd, &caret)) return;
    const Point p = cursor.pos;
    if (!Overlap(SquareAt(caret), SquareAt(p))) return;

    const Point target = CursorAwayTarget(MonitorOf(ReadMonitors(ctx.shared), p), p);
    const double dx = target.x - p.x;
    const double dy = target.y - p.y;
    for (int i = 0; i <= CURSOR_AWAY_STEPS; ++i) {
        ctx.clock.Sleep(CURSOR_AWAY_STEP_MS);
        ctx.input.SetCursorPos(static_cast<int>(p.x + i * dx / CURSOR_AWAY_STEPS),
                               static_cast<int>(p.y + i * dy / CURSOR_AWAY_STEPS));
    }
}

}  // namespace quorvel
