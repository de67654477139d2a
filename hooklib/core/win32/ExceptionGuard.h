// The structured exception guard of the hook procedures and the workers.
// GCC has no __try/__except, so the guard registers a frame-based handler
// of its own around the body: on i686 an EXCEPTION_REGISTRATION record on
// the thread's fs:[0] chain, on x86_64 a small call thunk whose unwind data
// names the guard's handler. Windows searches frame handlers from the
// faulting frame outwards, so a handler of the host that sits nearer to the
// fault (around a SendMessage into its own window procedure, say) still gets
// its own exception first; whatever reaches the guard from anywhere below
// the body (our code, a C runtime or system function, a window procedure we
// sent a message to) is reported and contained. Only errors are taken
// (severity bits 11: access violations, divisions by zero, stack overflow,
// C++ exceptions of other compilers); debugger notifications, printed debug
// strings and the like pass untouched. A stack overflow is reported (code
// and address only) once the stack has been unwound, and the stack gets its
// guard page back, so that a second overflow is caught like the first. Nothing stays registered outside a
// guarded call, so an unloaded library leaves nothing behind.
#pragma once

#include "WindowsApi.h"

namespace quorvel {

// Called at the fault, on the faulting thread, inside a quiet guard of its
// own (a fault while reporting is contained without a second report).
using FaultFilter = void (*)(EXCEPTION_POINTERS* pointers);

// Called after a contained fault, on the faulting thread, with the value
// `save` returned when the guard was entered (e.g. how often this thread
// held the process's lock): puts that state back.
struct FaultRecovery {
    int (*save)() = nullptr;
    void (*restore)(int saved) = nullptr;
};

// Process set-up: remembers the filter and the recovery. Registers nothing
// with the system.
bool InstallExceptionGuard(FaultFilter filter, FaultRecovery recovery = FaultRecovery{});
void RemoveExceptionGuard();

// Runs body(argument) inside the guard. True when it ran to its end, false
// when a fault (or a C++ exception) was caught.
bool RunGuarded(void (*body)(void* argument), void* argument);

// True for the exception codes the guard takes.
bool GuardTakes(DWORD code);

}  // namespace quorvel
