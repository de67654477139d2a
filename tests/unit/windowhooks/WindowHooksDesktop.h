// Helpers for the window-hook tests: pointer traces, dialogs and hook calls
// on the fake desktop.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/hooks/HookProcedures.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {

struct TimedPoint {
    int32_t x;
    int32_t y;
    uint32_t time;
};

// Points on a circle, `segments` steps for a full turn (segments + 1 points,
// the last on the first), starting at `startDegrees` (screen axes: 90 is down).
inline std::vector<Point> CirclePath(int cx, int cy, double rx, double ry, int segments, double startDegrees = 0) {
    std::vector<Point> path;
    const double pi = std::acos(-1.0);
    for (int i = 0; i <= segments; ++i) {
        double a = (startDegrees + 360.0 * i / segments) * pi / 180.0;
        path.push_back(Point{static_cast<int32_t>(std::lround(cx + rx * std::cos(a))),
                             static_cast<int32_t>(std::lround(cy + ry * std::sin(a)))});
    }
    return path;
}

// Times the path so that its first point is `duration` ms older than its
// last, which is stored at `now`.
inline std::vector<TimedPoint> Timed(const std::vector<Point>& path, uint32_t now, uint32_t duration) {
    std::vector<TimedPoint> out;
    const size_t last = path.size() - 1;
    for (size_t i = 0; i < path.size(); ++i) {
        uint32_t age = static_cast<uint32_t>(duration - (static_cast<uint64_t>(duration) * i) / last);
        out.push_back(TimedPoint{path[i].x, path[i].y, now - age});
    }
    return out;
}

// Puts the points into the trace ring from slot `first` on (the rest stays
// unfilled) and makes the last one the newest, as the hook leaves it just
// before it runs the detector.
inline void LoadTrace(SharedState& s, const std::vector<TimedPoint>& pts, int first = 0) {
    for (size_t i = 0; i < pts.size(); ++i) {
        TracePoint& t = s.MouseTrace[(first + i) % MAX_MOUSE_TRACE_NUM];
        t.x = pts[i].x;
        t.y = pts[i].y;
        t.time = pts[i].time;
    }
    s.MouseTraceIndex = static_cast<int32_t>((first + pts.size() - 1) % MAX_MOUSE_TRACE_NUM);
}

// One WM_NCHITTEST through the call-window-procedure-return hook.
inline void HitTest(FakeLibrary& lib, int32_t x, int32_t y, uint32_t tick, Hwnd window = 0x2000) {
    lib.os.tick = tick;
    CallWndRetInput in;
    in.message = win::WM_NCHITTEST;
    in.lParam = (static_cast<uint32_t>(y) << 16) | (static_cast<uint32_t>(x) & 0xFFFFu);
    in.hwnd = window;
    CallWndRetHookProc(lib.ctx, win::HC_ACTION, in);
}

inline void Feed(FakeLibrary& lib, const std::vector<TimedPoint>& pts) {
    for (const TimedPoint& p : pts) HitTest(lib, p.x, p.y, p.time);
}

inline int BrowserLaunches(const FakeDesktop& os) {
    int n = 0;
    for (const PostedMessage& m : os.posted) n += m.msg == LAUNCH_REQUEST_MESSAGE && m.wParam == LAUNCH_BROWSER;
    return n;
}

// Quorvel.exe's main window, registered as it registers it.
inline Hwnd RegisterQuorvelMainWindow(FakeLibrary& lib) {
    FakeWindow w;
    w.title = MAIN_WINDOW_CAPTION;
    w.userData = lib.shared.OwnWindowMarker = OWN_WINDOW_MARKER;
    w.processId = 42;
    lib.os.processImages[42] = "C:\\Quorvel\\Quorvel.exe";
    return lib.shared.MainWindow = lib.os.AddWindow(w);
}

// A dialog box: dialog frame, no minimize box, owned by `owner`.
inline Hwnd AddDialog(FakeDesktop& os, Hwnd owner, Rect rect, uint32_t thread = 1) {
    FakeWindow w;
    w.className = "#32770";
    w.title = "Dialog";
    w.style = win::WS_DLGFRAME;
    w.owner = owner;
    w.rect = rect;
    w.threadId = thread;
    return os.AddWindow(w);
}

inline Hwnd AddChild(FakeDesktop& os, Hwnd parent, const char* className, Rect rect) {
    FakeWindow w;
    w.className = className;
    w.style = win::WS_CHILD;
    w.parent = parent;
    w.rect = rect;
    w.threadId = os.Window(parent).threadId;
    return os.AddWindow(w);
}

inline Hwnd AddTopLevel(FakeDesktop& os, Rect rect, uint32_t thread = 1) {
    FakeWindow w;
    w.className = "AppWindow";
    w.title = "App";
    w.style = win::WS_MINIMIZEBOX;
    w.rect = rect;
    w.threadId = thread;
    return os.AddWindow(w);
}

inline void SendToHook(FakeLibrary& lib, uint32_t message, Hwnd window, uint32_t wParam = 0) {
    CallWndRetInput in;
    in.message = message;
    in.wParam = wParam;
    in.hwnd = window;
    CallWndRetHookProc(lib.ctx, win::HC_ACTION, in);
}

}  // namespace quorvel::testing
