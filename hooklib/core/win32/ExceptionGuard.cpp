#include "ExceptionGuard.h"

#include <exception>

namespace quorvel {
namespace {

// One guarded call in progress. Lives in RunGuarded's frame.
struct GuardFrame {
    bool quiet;  // a guard around the report itself: contain, report nothing
    bool faulted;
    bool overflowed;  // a stack overflow, reported once the stack is back
    void* overflowAddress;
#if defined(__i386__)
    void* jump[5];  // __builtin_setjmp buffer
#endif
};

FaultFilter g_filter = nullptr;
FaultRecovery g_recovery;

void ReportInQuiet(void* pointers);
bool RunFrame(void (*body)(void*), void* argument, bool quiet);

// What the guard does once it has decided to take an exception, before the
// stack is unwound back to it.
void TakeFault(GuardFrame* frame, EXCEPTION_RECORD* record, CONTEXT* context) {
    frame->faulted = true;
    // A stack overflow leaves too little stack to write a report on: it is
    // reported once the stack has been unwound back to the guard.
    if (record->ExceptionCode == EXCEPTION_STACK_OVERFLOW) {
        frame->overflowed = true;
        frame->overflowAddress = record->ExceptionAddress;
        return;
    }
    if (frame->quiet || !g_filter) return;
    EXCEPTION_POINTERS pointers{record, context};
    RunFrame(ReportInQuiet, &pointers, true);
}

// After a stack overflow the thread's stack has lost its guard page: the
// next overflow would find no guard and end the process. As _resetstkoflw
// does, a page a few pages below the stack in use becomes the guard again
// (unless a guard is still there): touched, it moves down page by page as a
// stack's guard does, and the next overflow is raised where the first one
// was, with the room for handling it that the system keeps below.
constexpr uintptr_t PAGES_KEPT_FREE_BELOW_USE = 4;

bool RestoreStackGuard() {
    const char here = 0;
    const auto inUse = reinterpret_cast<uintptr_t>(&here);
    MEMORY_BASIC_INFORMATION region{};
    if (!VirtualQuery(&here, &region, sizeof region)) return false;
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const uintptr_t page = system.dwPageSize;
    const void* stack = region.AllocationBase;
    const uintptr_t guard = (inUse & ~(page - 1)) - PAGES_KEPT_FREE_BELOW_USE * page;
    for (uintptr_t at = reinterpret_cast<uintptr_t>(stack); at < inUse; at += region.RegionSize) {
        if (!VirtualQuery(reinterpret_cast<void*>(at), &region, sizeof region) || region.AllocationBase != stack) {
            return false;
        }
        at = reinterpret_cast<uintptr_t>(region.BaseAddress);
        if (region.State == MEM_COMMIT && (region.Protect & PAGE_GUARD)) return true;  // still guarded
    }
    if (!VirtualQuery(reinterpret_cast<void*>(guard), &region, sizeof region) || region.AllocationBase != stack ||
        region.State != MEM_COMMIT) {
        return false;
    }
    DWORD old = 0;
    return VirtualProtect(reinterpret_cast<void*>(guard), page, PAGE_READWRITE | PAGE_GUARD, &old) != FALSE;
}

// The overflow as the report sees it: its code and address; no registers
// or stack (they were on the stack that has gone).
void ReportOverflow(void* address) {
    EXCEPTION_RECORD record{};
    record.ExceptionCode = EXCEPTION_STACK_OVERFLOW;
    record.ExceptionAddress = address;
    EXCEPTION_POINTERS pointers{&record, nullptr};
    RunFrame(ReportInQuiet, &pointers, true);
}

void ReportInQuiet(void* pointers) { g_filter(static_cast<EXCEPTION_POINTERS*>(pointers)); }

}  // namespace

bool GuardTakes(DWORD code) {
    // Errors only: access violations, divisions by zero, stack overflow,
    // foreign C++ exceptions. Not breakpoints, single steps, debug strings,
    // thread names, nor GCC's own throw (caught by the body's frame).
    return (code >> 30) == 3;
}

}  // namespace quorvel

// ---------------------------------------------------------------------------
#if defined(__x86_64__)

// QuorvelGuardedCall(body, argument, frame): calls body(argument) and returns
// 1; its unwind data names QuorvelGuardHandler, which, when it takes an
// exception, unwinds the stack to this frame and resumes at
// QuorvelGuardResume with 0 in rax. The frame pointer is kept at
// establisher frame + 32 (just above the callee's home space).
extern "C" int QuorvelGuardedCall(void (*body)(void*), void* argument, quorvel::GuardFrame* frame);
extern "C" char QuorvelGuardResume[];
extern "C" EXCEPTION_DISPOSITION QuorvelGuardHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT* context,
                                                     DISPATCHER_CONTEXT* dispatch);

__asm__(
    ".text\n"
    ".globl QuorvelGuardedCall\n"
    ".globl QuorvelGuardResume\n"
    ".def QuorvelGuardedCall; .scl 2; .type 32; .endef\n"
    ".seh_proc QuorvelGuardedCall\n"
    "QuorvelGuardedCall:\n"
    "  subq $40, %rsp\n"
    "  .seh_stackalloc 40\n"
    "  .seh_endprologue\n"
    "  .seh_handler QuorvelGuardHandler, @except\n"
    "  movq %r8, 32(%rsp)\n"
    "  movq %rcx, %rax\n"
    "  movq %rdx, %rcx\n"
    "  call *%rax\n"
    "  movl $1, %eax\n"
    "QuorvelGuardResume:\n"
    "  nop\n"
    "  addq $40, %rsp\n"
    "  ret\n"
    ".seh_endproc\n");

extern "C" EXCEPTION_DISPOSITION QuorvelGuardHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT* context,
                                                     DISPATCHER_CONTEXT* dispatch) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
    if (!quorvel::GuardTakes(record->ExceptionCode)) return ExceptionContinueSearch;
    auto* frame = *reinterpret_cast<quorvel::GuardFrame**>(static_cast<char*>(establisher) + 32);
    quorvel::TakeFault(frame, record, context);
    RtlUnwindEx(establisher, QuorvelGuardResume, record, nullptr, dispatch->ContextRecord, dispatch->HistoryTable);
    return ExceptionContinueSearch;  // not reached
}

namespace quorvel {
namespace {
__attribute__((noinline)) bool CallInFrame(void (*body)(void*), void* argument, GuardFrame* frame) {
    return QuorvelGuardedCall(body, argument, frame) != 0;
}
}  // namespace
}  // namespace quorvel

// ---------------------------------------------------------------------------
#elif defined(__i386__)

namespace quorvel {
namespace {

// The record Windows walks from fs:[0]; ours carries the guard frame.
struct Registration {
    Registration* next;
    void* handler;
    GuardFrame* frame;
};

Registration* ReadChain() {
    Registration* head;
    __asm__ volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}
void WriteChain(Registration* head) { __asm__ volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }

extern "C" EXCEPTION_DISPOSITION __cdecl QuorvelGuardHandler(EXCEPTION_RECORD* record, void* establisher,
                                                             CONTEXT* context, void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
    if (!GuardTakes(record->ExceptionCode)) return ExceptionContinueSearch;
    auto* registration = static_cast<Registration*>(establisher);
    GuardFrame* frame = registration->frame;
    TakeFault(frame, record, context);
    // Runs the unwind handlers of the frames registered below ours (and
    // drops them from the chain), then returns here.
    RtlUnwind(establisher, nullptr, record, nullptr);
    __builtin_longjmp(frame->jump, 1);
}

__attribute__((noinline)) bool CallInFrame(void (*body)(void*), void* argument, GuardFrame* frame) {
    Registration registration;
    registration.next = ReadChain();
    registration.handler = reinterpret_cast<void*>(&QuorvelGuardHandler);
    registration.frame = frame;
    if (__builtin_setjmp(frame->jump) != 0) {
        // Back from a fault: the unwind left our record at the head.
        WriteChain(registration.next);
        return false;
    }
    WriteChain(&registration);
    body(argument);
    WriteChain(registration.next);
    return true;
}

}  // namespace
}  // namespace quorvel

#else
#error "the exception guard knows i686 and x86_64 only"
#endif

// ---------------------------------------------------------------------------
namespace quorvel {
namespace {

struct BodyCall {
    void (*body)(void*);
    void* argument;
    bool threw;
};

// The body runs behind a C++ catch of its own: our own throws never reach
// the frame handler.
void CatchingBody(void* p) {
    auto* call = static_cast<BodyCall*>(p);
    try {
        call->body(call->argument);
    } catch (...) {
        call->threw = true;
    }
}

__attribute__((noinline)) bool RunFrame(void (*body)(void*), void* argument, bool quiet) {
    GuardFrame frame{};
    frame.quiet = quiet;
    int saved = (!quiet && g_recovery.save) ? g_recovery.save() : 0;
    BodyCall call{body, argument, false};
    bool completed = CallInFrame(CatchingBody, &call, &frame) && !frame.faulted;
    if (frame.overflowed) {
        RestoreStackGuard();
        if (!quiet && g_filter) ReportOverflow(frame.overflowAddress);
    }
    if (!completed && !quiet && g_recovery.restore) g_recovery.restore(saved);
    return completed && !call.threw;
}

}  // namespace

bool InstallExceptionGuard(FaultFilter filter, FaultRecovery recovery) {
    g_filter = filter;
    g_recovery = recovery;
    return true;
}

void RemoveExceptionGuard() {
    g_filter = nullptr;
    g_recovery = FaultRecovery{};
}

bool RunGuarded(void (*body)(void*), void* argument) { return RunFrame(body, argument, false); }

}  // namespace quorvel
