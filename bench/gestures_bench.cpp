// Cost of the mouse hook inside the program under the cursor, on the fake
// desktop: a message it ignores, and a plain right click outside a browser
// with and without the cost of its log lines.
#include <benchmark/benchmark.h>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/Browsers.h"
#include "hooklib/core/DebugLog.h"
#include "hooklib/hooks/HookProcedures.h"
#include "hooklib/core/ProcessGate.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel::testing {
namespace {

// An editor window with a child view; returns the view.
Hwnd AddEditor(FakeDesktop& os) {
    FakeWindow w;
    w.className = "AppWindow";
    w.title = "Editor";
    w.style = 0x00CF0000;
    w.rect = Rect{100, 100, 700, 500};
    Hwnd editor = os.AddWindow(w);
    FakeWindow view;
    view.className = "Edit";
    view.style = win::WS_CHILD;
    view.parent = editor;
    view.rect = Rect{110, 110, 690, 490};
    os.cursor = Point{200, 200};
    return os.AddWindow(view);
}

struct Desktop {
    FakeLibrary lib;
    Hwnd editor = AddEditor(lib.os);
};

void BM_MouseMoveIgnored(benchmark::State& state) {
    Desktop d;
    MouseHookInput in;
    in.message = win::WM_MOUSEMOVE;
    in.pt = Point{200, 200};
    in.hwnd = d.editor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(MouseHookProc(d.lib.ctx, win::HC_ACTION, in));
    }
}
BENCHMARK(BM_MouseMoveIgnored);

// A desktop on which no log file can be opened: a log line costs only its
// formatting and the path building, not the file work.
class SilentDesktop : public FakeDesktop {
public:
    FileId OpenTextFile(const char*, bool) override { return 0; }
};

// One right press and release over a window that is not browser content.
void RightClicks(benchmark::State& state, Context& ctx, FakeDesktop& os, Hwnd window, bool clearLog,
                 bool gated = false) {
    MouseHookInput in;
    in.pt = Point{200, 200};
    in.hwnd = window;
    uint32_t t = 10000;
    for (auto _ : state) {
        t += 1000;  // never a double-click
        os.tick = t;
        in.message = win::WM_RBUTTONDOWN;
        if (!gated || HookMayAct(ctx, HookKind::Mouse, in.message, in.hwnd)) {
            benchmark::DoNotOptimize(MouseHookProc(ctx, win::HC_ACTION, in));
        }
        in.message = win::WM_RBUTTONUP;
        if (!gated || HookMayAct(ctx, HookKind::Mouse, in.message, in.hwnd)) {
            benchmark::DoNotOptimize(MouseHookProc(ctx, win::HC_ACTION, in));
        }
        if (clearLog) os.files.clear();  // keep the fake log file from growing
    }
}

void BM_RightClickOutsideBrowser_WithLog(benchmark::State& state) {
    Desktop d;
    RightClicks(state, d.lib.ctx, d.lib.os, d.editor, true);
}

void BM_RightClickOutsideBrowser_LogFilesUnavailable(benchmark::State& state) {
    FakeLibrary lib;  // for its shared and process state
    SilentDesktop silent;
    Hwnd editor = AddEditor(silent);
    Context ctx{silent, lib.shared, lib.process};
    RightClicks(state, ctx, silent, editor, false);
}

// One formatted log line into the fake file system: the unit of logging cost.
void BM_OneLogLine(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        WriteLogF(d.lib.ctx, "Right button up : time : %d, x : %d, y : %d, message: %s", 12345, 200, 200,
                  "WM_RBUTTONUP");
        d.lib.ClearLog();
    }
}

// A move while the middle button drags a browser page: one step posted.
class PostingDesktop : public FakeDesktop {
public:
    bool PostMessage(Hwnd, uint32_t, uint32_t, uint32_t) override { return true; }
};

void BM_MouseMoveWhileDragScrolling(benchmark::State& state) {
    FakeLibrary lib;
    PostingDesktop os;
    Context ctx{os, lib.shared, lib.process};
    os.keyStates[0x04] = static_cast<int16_t>(0x8000);  // VK_MBUTTON held
    lib.shared.DragScrollState = 2;                     // scrolling
    lib.shared.DragScrollTarget = 0x10010;
    lib.shared.DragScrollMessage = 0xC003;
    MouseHookInput in;
    in.message = win::WM_MOUSEMOVE;
    for (auto _ : state) {
        in.pt.y = (in.pt.y + 1) & 0x3FF;  // a new position each time
        benchmark::DoNotOptimize(MouseHookProc(ctx, win::HC_ACTION, in));
    }
}

BENCHMARK(BM_MouseMoveWhileDragScrolling);

// ---- the hook gate (exclusions, full-screen pause) when nothing applies:
// an exclusion list that does not name this program, the full-screen pause
// on, Windows not in full screen.
void PrepareGate(FakeLibrary& lib, FakeDesktop& os, Hwnd foreground) {
    const char list[] = "mspaint.exe\0game.exe\0remote.exe\0";
    os.moduleNames[0] = "C:\\Program Files\\Editor\\editor.exe";
    os.foreground = foreground;
    Context ctx{os, lib.shared, lib.process};
    SetExcludedPrograms(ctx, list, sizeof list);
    SetFullScreenPause(ctx, true);
}

void BM_RightClickOutsideBrowser_LogFilesUnavailable_BehindTheGate(benchmark::State& state) {
    FakeLibrary lib;
    SilentDesktop silent;
    Hwnd editor = AddEditor(silent);
    PrepareGate(lib, silent, editor);
    Context ctx{silent, lib.shared, lib.process};
    RightClicks(state, ctx, silent, editor, false, true);
}

// The gate alone: the exclusion decision kept, two words of the record read.
void BM_GateNothingApplies(benchmark::State& state) {
    Desktop d;
    PrepareGate(d.lib, d.lib.os, d.editor);
    for (auto _ : state) {
        benchmark::DoNotOptimize(HookMayAct(d.lib.ctx, HookKind::Mouse, win::WM_RBUTTONDOWN, d.editor));
    }
}

// While Windows says a full-screen program is in front: refused at once.
void BM_GateFullScreenNow(benchmark::State& state) {
    Desktop d;
    PrepareGate(d.lib, d.lib.os, d.editor);
    SetFullScreenNow(d.lib.ctx, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(HookMayAct(d.lib.ctx, HookKind::Mouse, win::WM_RBUTTONDOWN, d.editor));
    }
}

// ---- what a right press pays to know whether it is over a browser page:
// the content tests as they were (Internet Explorer, then Firefox, each of
// the window or else its parent), against RightPressPage, which reads each
// class once and also knows Chromium pages of browser programs. Over a
// window that is no page the difference between the first two is the added
// cost of a right press (negative: it got cheaper); the log files cannot be
// opened, so only the tests and the formatting of their lines count.
struct PressDesktop {
    FakeLibrary lib;
    SilentDesktop os;
    Context ctx{os, lib.shared, lib.process};
    Hwnd editor = AddEditor(os);
};

void BM_RightPressPageTests_AsBefore(benchmark::State& state) {
    PressDesktop d;
    auto windowOrParent = [&](bool (*test)(Context&, Hwnd)) {
        if (test(d.ctx, d.editor)) return true;
        const Hwnd parent = d.os.GetParent(d.editor);
        return parent != 0 && test(d.ctx, parent);
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(windowOrParent(&IsIEContentWindow));
        benchmark::DoNotOptimize(windowOrParent(&IsFirefoxContentWindow));
    }
}

void BM_RightPressPageTests_Now(benchmark::State& state) {
    PressDesktop d;
    for (auto _ : state) benchmark::DoNotOptimize(RightPressPage(d.ctx, d.editor, Point{200, 200}));
}

// Over the page of a browser program (decided once for the process).
void BM_RightPressPageTests_NowOverAChromiumPage(benchmark::State& state) {
    PressDesktop d;
    d.os.moduleNames[0] = "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    FakeWindow root;
    root.className = "Chrome_WidgetWin_1";
    root.rect = Rect{0, 0, 800, 600};
    FakeWindow page;
    page.className = "Chrome_RenderWidgetHostHWND";
    page.style = win::WS_CHILD;
    page.parent = d.os.AddWindow(root);
    page.rect = Rect{0, 80, 800, 600};
    const Hwnd content = d.os.AddWindow(page);
    for (auto _ : state) benchmark::DoNotOptimize(RightPressPage(d.ctx, content, Point{200, 200}));
}

BENCHMARK(BM_RightPressPageTests_AsBefore);
BENCHMARK(BM_RightPressPageTests_Now);
BENCHMARK(BM_RightPressPageTests_NowOverAChromiumPage);
BENCHMARK(BM_RightClickOutsideBrowser_WithLog);
BENCHMARK(BM_RightClickOutsideBrowser_LogFilesUnavailable);
BENCHMARK(BM_RightClickOutsideBrowser_LogFilesUnavailable_BehindTheGate);
BENCHMARK(BM_GateNothingApplies);
BENCHMARK(BM_GateFullScreenNow);
BENCHMARK(BM_OneLogLine);

}  // namespace
}  // namespace quorvel::testing

BENCHMARK_MAIN();
