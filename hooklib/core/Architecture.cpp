#include "Architecture.h"

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

bool OtherLibraryHooked(const Context& ctx) { return AnyHook(ctx.shared, ctx.process.Is64Bit ? kHooks32 : kHooks64); }

bool ServedByOtherLibrary(Context& ctx) {
    const SharedState& s = ctx.shared;
    // The other library serves its programs: the 64-bit one once its hooks
    // are in place, the 32-bit one while its installing thread is known.
    const bool otherServes = ctx.process.Is64Bit ? s.Hook32ThreadId != 0 : s.Hook64Active == 1;
    if (!otherServes) return false;
    const uint32_t installer = ctx.process.Is64Bit ? s.Hook64ThreadId : s.Hook32ThreadId;
    return installer != 0 && installer == ctx.clock.GetCurrentThreadId();
}

}  // namespace quorvel
