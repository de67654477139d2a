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

// True while the other library still has hooks installed.
bool OtherLibraryHooked(const Context& ctx);

// Windows calls a 32-bit global hook for 64-bit programs (and a 64-bit one
// for 32-bit programs) on the thread that installed it. While the other
// library serves those programs, such a call passes on untouched: the hook
// of the right architecture inside the program itself acts.
bool ServedByOtherLibrary(Context& ctx);

}  // namespace quorvel
