#include "Architecture.h"

#include "FaultLimiter.h"

namespace quorvel {
namespace {

const HookField kHooks32[HookKindCount] = {&SharedState::CallWndRetHook, &SharedState::MouseHook,
                                           &SharedState::GetMessageHook};
const HookField kHooks64[HookKindCount] = {&SharedState::CallWndRetHook64, &SharedState::MouseHook64,
                                           &SharedState::GetMessageHook64};

bool AnyHook(const SharedState& s, const HookField* fields) {
    for (int i = 0; i < HookKindCount; ++i) {
        if (s.*fields[i]) return true;
    }
    return false;
}

// The other library's installing thread, as last looked at from this one.
bool OtherInstallerRuns(Context& ctx, uint32_t installer) {
    ProcessState& p = ctx.process;
    const uint32_t now = ctx.clock.GetTickCount();
    if (p.otherInstallerSeen && p.otherInstaller == installer &&
        now - p.otherInstallerCheckedAt < OTHER_LIBRARY_RECHECK_MS) {
        return p.otherInstallerRuns;
    }
    p.otherInstaller = installer;
    p.otherInstallerCheckedAt = now;
    p.otherInstallerRuns = installer != 0 && ctx.processes.ThreadExists(installer);
    p.otherInstallerSeen = true;
    return p.otherInstallerRuns;
}

uint32_t OtherInstaller(const Context& ctx) {
    return ctx.process.Is64Bit ? ctx.shared.Hook32ThreadId : ctx.shared.Hook64ThreadId;
}

}  // namespace

HookField OwnHookField(const ProcessState& process, HookSlotKind kind) {
    return process.Is64Bit ? kHooks64[kind] : kHooks32[kind];
}

uint32_t OwnHookHandle(const Context& ctx, HookSlotKind kind) { return ctx.shared.*OwnHookField(ctx.process, kind); }

void MarkHooksInstalled(Context& ctx, bool essentialHooksInstalled) {
    SharedState& s = ctx.shared;
    if (ctx.process.Is64Bit) {
        s.Hook64ThreadId = ctx.clock.GetCurrentThreadId();
        s.Hook64Active = essentialHooksInstalled ? 1 : 0;
    } else {
        s.Hook32ThreadId = ctx.clock.GetCurrentThreadId();
    }
}

void MarkHooksRemoved(Context& ctx) {
    SharedState& s = ctx.shared;
    if (ctx.process.Is64Bit) {
        s.Hook64Active = 0;
        s.Hook64ThreadId = 0;
    } else {
        s.Hook32ThreadId = 0;
    }
}

bool OtherLibraryHooked(Context& ctx) {
    if (!AnyHook(ctx.shared, ctx.process.Is64Bit ? kHooks32 : kHooks64)) return false;
    const uint32_t installer = OtherInstaller(ctx);
    return installer == 0 || ctx.processes.ThreadExists(installer);
}

bool ServedByOtherLibrary(Context& ctx) {
    const SharedState& s = ctx.shared;
    // The other library serves its programs: the 64-bit one once its hooks
    // are in place, the 32-bit one while its installing thread is known.
    const bool otherServes = ctx.process.Is64Bit ? s.Hook32ThreadId != 0 : s.Hook64Active == 1;
    if (!otherServes) return false;
    const uint32_t installer = ctx.process.Is64Bit ? s.Hook64ThreadId : s.Hook32ThreadId;
    if (installer == 0 || installer != ctx.clock.GetCurrentThreadId()) return false;
    return OtherInstallerRuns(ctx, OtherInstaller(ctx));
}

void ClearEarlierRun(Context& ctx) {
    SharedState& s = ctx.shared;
    for (HookField field : ctx.process.Is64Bit ? kHooks32 : kHooks64) s.*field = 0;
    if (ctx.process.Is64Bit) {
        s.Hook32ThreadId = 0;
    } else {
        s.Hook64ThreadId = 0;
        s.Hook64Active = 0;
    }
    s.Paused = 0;
    DisarmGestures(s);
}

}  // namespace quorvel
