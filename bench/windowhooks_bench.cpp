// Cost of the hooks on the paths that run for almost every message, against
// an empty hook procedure that only calls the next hook. Each hook
// procedure here ends with the same call to a stand-in for CallNextHookEx,
// as the real ones do; the table at the end prints each path's cost as a
// multiple of the empty procedure.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/HookFilters.h"
#include "hooklib/hooks/HookProcedures.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/windowhooks/CircleDetector.h"

namespace quorvel::testing {
namespace {

// The next hook: a call the compiler cannot see through.
__attribute__((noinline)) long CallNextHookStandIn(int code, uint32_t wParam, uint32_t lParam) {
    benchmark::ClobberMemory();
    return static_cast<long>(code + wParam + lParam);
}

__attribute__((noinline)) long EmptyHookProc(int code, uint32_t wParam, uint32_t lParam) {
    return CallNextHookStandIn(code, wParam, lParam);
}

__attribute__((noinline)) long CallWndRetHook(Context& ctx, const CallWndRetInput& in) {
    CallWndRetHookProc(ctx, win::HC_ACTION, in);
    return CallNextHookStandIn(win::HC_ACTION, 0, in.lParam);
}

__attribute__((noinline)) long GetMessageHook(Context& ctx, HookMessage& msg) {
    GetMessageHookProc(ctx, win::HC_ACTION, win::PM_REMOVE, msg);
    return CallNextHookStandIn(win::HC_ACTION, win::PM_REMOVE, msg.lParam);
}

__attribute__((noinline)) long MouseHook(Context& ctx, const MouseHookInput& in) {
    if (MouseHookProc(ctx, win::HC_ACTION, in)) return 1;
    return CallNextHookStandIn(win::HC_ACTION, in.message, 0);
}

// The same, with the test the glue makes before it arms the exception guard.
__attribute__((noinline)) long CallWndRetHookFiltered(Context& ctx, const CallWndRetInput& in) {
    if (IsWindowHookMessage(in.message)) CallWndRetHookProc(ctx, win::HC_ACTION, in);
    return CallNextHookStandIn(win::HC_ACTION, 0, in.lParam);
}

__attribute__((noinline)) long GetMessageHookFiltered(Context& ctx, HookMessage& msg) {
    if (IsGetMessageHookMessage(win::PM_REMOVE, msg.message))
        GetMessageHookProc(ctx, win::HC_ACTION, win::PM_REMOVE, msg);
    return CallNextHookStandIn(win::HC_ACTION, win::PM_REMOVE, msg.lParam);
}

uint32_t LParam(int x, int y) { return (static_cast<uint32_t>(y) << 16) | static_cast<uint32_t>(x); }

void BM_EmptyHookProc(benchmark::State& state) {
    uint32_t lParam = LParam(100, 100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lParam);
        benchmark::DoNotOptimize(EmptyHookProc(win::HC_ACTION, 0, lParam));
    }
}
BENCHMARK(BM_EmptyHookProc);

void BM_CallWndRet_MessageNotLookedAt(benchmark::State& state) {
    FakeLibrary lib;
    CallWndRetInput in;
    in.message = 0x000F;  // WM_PAINT
    in.hwnd = 0x2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(CallWndRetHook(lib.ctx, in));
    }
}
BENCHMARK(BM_CallWndRet_MessageNotLookedAt);

void BM_GetMessage_MessageNotLookedAt(benchmark::State& state) {
    FakeLibrary lib;
    HookMessage msg;
    msg.message = win::WM_MOUSEMOVE;
    msg.hwnd = 0x2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(msg);
        benchmark::DoNotOptimize(GetMessageHook(lib.ctx, msg));
    }
}
BENCHMARK(BM_GetMessage_MessageNotLookedAt);

// A pointer move while no gesture waits for its end.
void BM_Mouse_MessageNotLookedAt(benchmark::State& state) {
    FakeLibrary lib;
    MouseHookInput in;
    in.message = win::WM_MOUSEMOVE;
    in.hwnd = 0x2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(MouseHook(lib.ctx, in));
    }
}
BENCHMARK(BM_Mouse_MessageNotLookedAt);

void BM_CallWndRet_MessageNotLookedAt_GlueFilter(benchmark::State& state) {
    FakeLibrary lib;
    CallWndRetInput in;
    in.message = 0x000F;  // WM_PAINT
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(CallWndRetHookFiltered(lib.ctx, in));
    }
}
BENCHMARK(BM_CallWndRet_MessageNotLookedAt_GlueFilter);

void BM_GetMessage_MessageNotLookedAt_GlueFilter(benchmark::State& state) {
    FakeLibrary lib;
    HookMessage msg;
    msg.message = win::WM_MOUSEMOVE;
    for (auto _ : state) {
        benchmark::DoNotOptimize(msg);
        benchmark::DoNotOptimize(GetMessageHookFiltered(lib.ctx, msg));
    }
}
BENCHMARK(BM_GetMessage_MessageNotLookedAt_GlueFilter);

void BM_CallWndRet_NcHitTestSamePosition(benchmark::State& state) {
    FakeLibrary lib;
    lib.shared.LastTraceX = 100;
    lib.shared.LastTraceY = 100;
    CallWndRetInput in;
    in.message = win::WM_NCHITTEST;
    in.lParam = LParam(100, 100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(CallWndRetHook(lib.ctx, in));
    }
}
BENCHMARK(BM_CallWndRet_NcHitTestSamePosition);

// A new position every call while the repeat guard holds (a circle was
// just detected): trace, travel, one tick read, one comparison.
void BM_CallWndRet_NcHitTestNewPositionRepeatGuard(benchmark::State& state) {
    FakeLibrary lib;
    lib.shared.LastCircleTime = lib.os.tick;
    CallWndRetInput in[2];
    in[0].message = in[1].message = win::WM_NCHITTEST;
    in[0].lParam = LParam(100, 100);
    in[1].lParam = LParam(103, 104);
    unsigned i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CallWndRetHook(lib.ctx, in[++i & 1]));
    }
}
BENCHMARK(BM_CallWndRet_NcHitTestNewPositionRepeatGuard);

// The whole ring inside the time window, the newest point closing a loop of
// 88 points that is then measured in full and rejected (too small): the
// most work DetectCircle can do.
void FillWorstRing(FakeLibrary& lib) {
    const double pi = std::acos(-1.0);
    const uint32_t now = lib.os.tick = 1000000;
    for (int k = 0; k < MAX_MOUSE_TRACE_NUM; ++k) {
        double a = 2 * pi * k / (MAX_MOUSE_TRACE_NUM - 1);
        TracePoint& p = lib.shared.MouseTrace[k];
        p.x = static_cast<int32_t>(std::lround(500 + 70 * std::cos(a)));
        p.y = static_cast<int32_t>(std::lround(400 + 70 * std::sin(a)));
        p.time = now - (MAX_MOUSE_TRACE_NUM - 1 - k) * 11;
    }
    lib.shared.MouseTraceIndex = MAX_MOUSE_TRACE_NUM - 1;
}

void BM_DetectCircle_FullRing(benchmark::State& state) {
    FakeLibrary lib;
    FillWorstRing(lib);
    const TracePoint newest = lib.shared.MouseTrace[MAX_MOUSE_TRACE_NUM - 1];
    for (auto _ : state) {
        benchmark::DoNotOptimize(DetectCircle(lib.ctx, MAX_MOUSE_TRACE_NUM - 1, newest.x, newest.y, lib.os.tick));
    }
    CircleLoop loop;
    FindCircleLoop(lib.shared, MAX_MOUSE_TRACE_NUM - 1, newest.x, newest.y, lib.os.tick, &loop);
    state.counters["loop_points"] = loop.count;
}
BENCHMARK(BM_DetectCircle_FullRing);

void BM_CallWndRet_NcHitTestNewPositionFullRing(benchmark::State& state) {
    FakeLibrary lib;
    FillWorstRing(lib);
    const TracePoint newest = lib.shared.MouseTrace[MAX_MOUSE_TRACE_NUM - 1];
    CallWndRetInput in;
    in.message = win::WM_NCHITTEST;
    in.lParam = LParam(newest.x, newest.y);
    for (auto _ : state) {
        // The hook stores the same point again in the same slot; only the
        // index and the last position need putting back.
        lib.shared.MouseTraceIndex = MAX_MOUSE_TRACE_NUM - 1;
        lib.shared.LastTraceX = newest.x - 3;
        benchmark::DoNotOptimize(CallWndRetHook(lib.ctx, in));
    }
}
BENCHMARK(BM_CallWndRet_NcHitTestNewPositionFullRing);

// Prints the runs as usual, then each one's time against the empty procedure.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            // single runs, or the median of repeated ones
            if (r.run_type == Run::RT_Iteration && r.repetitions <= 1) {
                times_.emplace_back(r.run_name.function_name, r.GetAdjustedRealTime());
            } else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                times_.emplace_back(r.run_name.function_name, r.GetAdjustedRealTime());
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        double empty = 0;
        for (const auto& t : times_) {
            if (t.first == "BM_EmptyHookProc") empty = t.second;
        }
        if (empty <= 0) return;
        std::printf("\n%-52s %10s %10s\n", "hook path", "ns/call", "x empty");
        for (const auto& t : times_) std::printf("%-52s %10.2f %10.2f\n", t.first.c_str(), t.second, t.second / empty);
    }

private:
    std::vector<std::pair<std::string, double>> times_;
};

}  // namespace
}  // namespace quorvel::testing

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quorvel::testing::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
