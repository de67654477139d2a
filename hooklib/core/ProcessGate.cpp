#include "ProcessGate.h"

#include <atomic>
#include <cstring>

#include "WinConstants.h"
#include "common/ProgramList.h"
#include "common/Text.h"

namespace quorvel {
namespace {

constexpr uint32_t EXECUTABLE_PATH_BUFFER = 520;

bool IsTypedCharacterOrWheel(uint32_t message) {
    const uint32_t m = message & 0xFFFFu;
    return m == win::WM_CHAR || m == win::WM_MOUSEWHEEL;
}

}  // namespace

bool IsExcludedProgram(const char* list, size_t listSize, const char* executablePath) {
    if (!list || !executablePath) return false;
    return ProgramListContains(list, listSize, FileNamePart(executablePath));
}

bool ProcessExcluded(Context& ctx) {
    ProcessState& p = ctx.process;
    const uint32_t change = ctx.shared.ExclusionChange;
    if (p.exclusionDecidedFor.load(std::memory_order_acquire) == change + 1) {
        return p.excluded.load(std::memory_order_relaxed);
    }
    // The list is read after the counter: a change made meanwhile moves the
    // counter again, and the next call decides anew.
    std::atomic_thread_fence(std::memory_order_acquire);
    char path[EXECUTABLE_PATH_BUFFER] = {};
    const uint32_t length = ctx.system.GetModuleFileName(0, path, sizeof path);
    path[length < sizeof path ? length : sizeof path - 1] = '\0';
    const bool excluded = IsExcludedProgram(ctx.shared.ExcludedPrograms, sizeof ctx.shared.ExcludedPrograms, path);
    p.excluded.store(excluded, std::memory_order_relaxed);
    p.exclusionDecidedFor.store(change + 1, std::memory_order_release);
    return excluded;
}

bool WindowExcluded(Context& ctx, Hwnd window) {
    ProcessState& p = ctx.process;
    if (!p.hooksInstalledHere || !p.lock) return ProcessExcluded(ctx);
    const uint32_t processId = window ? ctx.processes.GetWindowProcessId(window) : 0;
    if (!processId || processId == ctx.clock.GetCurrentProcessId()) return ProcessExcluded(ctx);

    const uint32_t change = ctx.shared.ExclusionChange;
    const uint32_t now = ctx.clock.GetTickCount();
    LockHolder hold(*p.lock);
    bool excluded = false;
    if (p.otherPrograms.Find(processId, change + 1, now, OTHER_PROGRAM_DECISION_MS, &excluded)) return excluded;
    std::atomic_thread_fence(std::memory_order_acquire);
    char path[EXECUTABLE_PATH_BUFFER] = {};
    const uint32_t length = ctx.processes.GetProcessImageName(processId, path, sizeof path);
    path[length < sizeof path ? length : sizeof path - 1] = '\0';
    return p.otherPrograms.Keep(
        processId, change + 1, now,
        IsExcludedProgram(ctx.shared.ExcludedPrograms, sizeof ctx.shared.ExcludedPrograms, path));
}

bool FullScreenQuiet(const SharedState& shared) { return shared.FullScreenPause == 1 && shared.FullScreenNow == 1; }

bool HookMayAct(Context& ctx, HookKind hook, uint32_t message, Hwnd window) {
    if (WindowExcluded(ctx, window)) return false;
    // Key and button releases go on being counted for the rest reminder.
    if (hook == HookKind::GetMessage && !IsTypedCharacterOrWheel(message)) return true;
    return ctx.shared.Paused != 1 && !FullScreenQuiet(ctx.shared);
}

void SetExcludedPrograms(Context& ctx, const char* list, uint32_t size) {
    CopyProgramList(ctx.shared.ExcludedPrograms, sizeof ctx.shared.ExcludedPrograms, list, size);
    std::atomic_thread_fence(std::memory_order_release);
    ctx.shared.ExclusionChange = ctx.shared.ExclusionChange + 1;
}

void SetFullScreenPause(Context& ctx, bool on) { ctx.shared.FullScreenPause = on ? 1 : 0; }

void SetBrowserPrograms(Context& ctx, const char* list, uint32_t size) {
    CopyProgramList(ctx.shared.BrowserPrograms, sizeof ctx.shared.BrowserPrograms, list, size);
    std::atomic_thread_fence(std::memory_order_release);
    ctx.shared.BrowserProgramsChange = ctx.shared.BrowserProgramsChange + 1;
}

void SetMonitorLayout(Context& ctx, const int32_t* rects, uint32_t count) {
    SharedState& s = ctx.shared;
    const uint32_t kept = rects ? (count < MAX_MONITORS ? count : MAX_MONITORS) : 0;
    for (uint32_t i = 0; i < MAX_MONITORS; ++i) {
        MonitorBox box{};
        if (i < kept) box = MonitorBox{rects[4 * i], rects[4 * i + 1], rects[4 * i + 2], rects[4 * i + 3]};
        s.Monitors[i] = box;
    }
    s.MonitorCount = static_cast<int32_t>(kept);
    std::atomic_thread_fence(std::memory_order_release);
    s.MonitorLayoutChange = s.MonitorLayoutChange + 1;
}

void SetFullScreenNow(Context& ctx, bool on) { ctx.shared.FullScreenNow = on ? 1 : 0; }

}  // namespace quorvel
