// Whether the hooks may act in this process at this moment. Two things can
// keep them out:
// - the per-program exclusion list (ExcludedPrograms): in a program named on
//   it every hook passes every message on, untouched; decided once per
//   process from the executable's file name and again after each change of
//   the list (ExclusionChange);
// - quiet times: while Quorvel is paused, or while Windows says the user is
//   busy in a full-screen program or presenting (FullScreenNow, which
//   Quorvel.exe keeps up to date) and FullScreenPause is on, the gestures,
//   Smart Move, Cursor Go Away and the wheel rest; only the activity
//   counting of the rest reminder goes on.
// The hook entries ask HookMayAct once per message they would look at, with
// the window the message is for. The gate keeps gestures from starting; one
// already under way still reaches its end, where it is called off (see
// hooklib/gestures/GestureCancel.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "Context.h"

namespace quorvel {

enum class HookKind { Mouse, CallWndRet, GetMessage };

// How long a decision for another program is kept (its process id may be
// reused by a new program).
constexpr uint32_t OTHER_PROGRAM_DECISION_MS = 2000;

bool HookMayAct(Context& ctx, HookKind hook, uint32_t message, Hwnd window);

// ---- the parts, for the exports and the tests

// Is the file name of `executablePath` (folders stripped) on the list? The
// list is read as the shared record holds it: names each ending in a zero,
// an empty name or the end of the buffer ends the list; a name cut by the
// end of the buffer counts for nothing. Letters compare without case.
bool IsExcludedProgram(const char* list, size_t listSize, const char* executablePath);

// This process's decision, made again when ExclusionChange has moved.
bool ProcessExcluded(Context& ctx);

// The decision for the program that owns the window: this process's own,
// except in the process that installed the hooks, where Windows also calls
// them for programs of the other bitness.
bool WindowExcluded(Context& ctx, Hwnd window);

// A quiet time of the full-screen pause: Windows says so and the user's
// switch is on.
bool FullScreenQuiet(const SharedState& shared);

// What the control program hands over (exports SetExcludedPrograms and
// SetFullScreenPause). The list is copied within bounds and always left
// properly ended; every call moves ExclusionChange.
void SetExcludedPrograms(Context& ctx, const char* list, uint32_t size);
void SetFullScreenPause(Context& ctx, bool on);

// The browser programs (export SetBrowserPrograms): copied like the
// exclusions; every call moves BrowserProgramsChange.
void SetBrowserPrograms(Context& ctx, const char* list, uint32_t size);

// The monitors as Quorvel.exe reads them (export SetMonitorLayout): `count`
// rectangles of four values (left, top, right, bottom), primary first; at
// most MAX_MONITORS are kept. Every call moves MonitorLayoutChange.
void SetMonitorLayout(Context& ctx, const int32_t* rects, uint32_t count);

// Whether Windows says the user is busy in full screen or presenting
// (export SetFullScreenNow).
void SetFullScreenNow(Context& ctx, bool on);

}  // namespace quorvel
