// Two libraries share one record: system.dat (32-bit, installed by
// Quorvel.exe) and system64.dat (64-bit, installed by QuorvelHook64.exe).
// Each keeps its own hook handles; the record is reset only when the last
// set of hooks goes.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// The hook handle fields of one library, in the order the hooks are removed.
enum HookSlotKind { CallWndRetHookKind = 0, MouseHookKind = 1, GetMessageHookKind = 2, HookKindCount = 3 };
using HookField = uint32_t SharedState::*;
HookField OwnHookField(const ProcessState& process, HookSlotKind kind);
uint32_t OwnHookHandle(const Context& ctx, HookSlotKind kind);

// Notes in the record that this library's hooks are in place (thread that
// installed them; for the 64-bit library, that it now serves 64-bit programs)
// or gone.
void MarkHooksInstalled(Context& ctx, bool essentialHooksInstalled);
void MarkHooksRemoved(Context& ctx);

// How long the answer to "does the other library's installing thread still
// run" is kept on this library's installing thread.
constexpr uint32_t OTHER_LIBRARY_RECHECK_MS = 500;

// True while the other library still has hooks installed: handles of it in
// the record, and the thread that installed them still runs. Windows
// removes a thread's hooks when it ends, so a helper that died or was ended
// leaves only stale handles behind.
bool OtherLibraryHooked(Context& ctx);

// Windows calls a 32-bit global hook for 64-bit programs (and a 64-bit one
// for 32-bit programs) on the thread that installed it. While the other
// library serves those programs, such a call passes on untouched: the hook
// of the right architecture inside the program itself acts. Once the other
// library's installing thread has gone, this library serves them again.
bool ServedByOtherLibrary(Context& ctx);

// A start with no other library at work: what an earlier run left in the
// record (the other library's stale handles, a pause, armed gestures) goes,
// so that a new Quorvel.exe, which shows itself running, is running.
void ClearEarlierRun(Context& ctx);

}  // namespace quorvel
