#include "ExceptionGuard.h"

#include <exception>

namespace quorvel {
namespace {

struct GuardFrame {
    void* jump[5];  // __builtin_setjmp buffer
    GuardFrame* outer;
#if defined(__i386__)
    void* sehChain;  // fs:[0] at guard entry
#endif
};

// Per-process guard state (set up once at process attach).
struct GuardProcess {
    DWORD tlsIndex = TLS_OUT_OF_INDEXES;
    PVOID handler = nullptr;
    FaultFilter filter = nullptr;
    uintptr_t moduleStart = 0;
    uintptr_t moduleEnd = 0;
};
GuardProcess g_guard;

#if defined(__i386__)
void* ReadSehChain() {
    void* head;
    __asm__ volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}
void WriteSehChain(void* head) { __asm__ volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }
#endif

bool IsHardwareFault(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
        case EXCEPTION_FLT_DENORMAL_OPERAND:
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_INEXACT_RESULT:
        case EXCEPTION_FLT_INVALID_OPERATION:
        case EXCEPTION_FLT_OVERFLOW:
        case EXCEPTION_FLT_STACK_CHECK:
        case EXCEPTION_FLT_UNDERFLOW:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_INT_OVERFLOW:
        case EXCEPTION_PRIV_INSTRUCTION:
            return true;
        default:
            return false;
    }
}

bool InThisModule(const void* address) {
    auto a = reinterpret_cast<uintptr_t>(address);
    return a >= g_guard.moduleStart && a < g_guard.moduleEnd;
}

[[noreturn]] __attribute__((noinline)) void JumpBack(GuardFrame* frame) {
#if defined(__i386__)
    // Frames that Windows or called code registered since the guard was
    // entered are gone with the jump: unlink them.
    WriteSehChain(frame->sehChain);
#endif
    __builtin_longjmp(frame->jump, 1);
}

LONG CALLBACK VectoredHandler(EXCEPTION_POINTERS* pointers) {
    if (g_guard.tlsIndex == TLS_OUT_OF_INDEXES) return EXCEPTION_CONTINUE_SEARCH;
    auto* frame = static_cast<GuardFrame*>(TlsGetValue(g_guard.tlsIndex));
    if (!frame) return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    if (!IsHardwareFault(record->ExceptionCode) || !InThisModule(record->ExceptionAddress)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    // Disarm first: a fault while writing the report must not loop here.
    TlsSetValue(g_guard.tlsIndex, frame->outer);
    if (g_guard.filter) g_guard.filter(pointers);
    JumpBack(frame);
}

bool FindModuleRange() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&VectoredHandler), &module)) {
        return false;
    }
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    g_guard.moduleStart = reinterpret_cast<uintptr_t>(base);
    g_guard.moduleEnd = g_guard.moduleStart + nt->OptionalHeader.SizeOfImage;
    return true;
}

// The body runs in its own frame so that the setjmp receiver in RunGuarded
// holds nothing but the frame.
__attribute__((noinline)) void CallBody(void (*body)(void*), void* argument, bool* threw) {
    try {
        body(argument);
    } catch (...) {
        *threw = true;
    }
}

}  // namespace

bool InstallExceptionGuard(FaultFilter filter) {
    g_guard.filter = filter;
    if (!FindModuleRange()) return false;
    g_guard.tlsIndex = TlsAlloc();
    if (g_guard.tlsIndex == TLS_OUT_OF_INDEXES) return false;
    g_guard.handler = AddVectoredExceptionHandler(1, VectoredHandler);
    return g_guard.handler != nullptr;
}

void RemoveExceptionGuard() {
    if (g_guard.handler) RemoveVectoredExceptionHandler(g_guard.handler);
    g_guard.handler = nullptr;
    if (g_guard.tlsIndex != TLS_OUT_OF_INDEXES) TlsFree(g_guard.tlsIndex);
    g_guard.tlsIndex = TLS_OUT_OF_INDEXES;
}

__attribute__((noinline)) bool RunGuarded(void (*body)(void*), void* argument) {
    if (g_guard.tlsIndex == TLS_OUT_OF_INDEXES) {
        // No guard could be set up in this process: still never let a C++
        // exception out.
        bool threw = false;
        CallBody(body, argument, &threw);
        return !threw;
    }
    GuardFrame frame;
    frame.outer = static_cast<GuardFrame*>(TlsGetValue(g_guard.tlsIndex));
#if defined(__i386__)
    frame.sehChain = ReadSehChain();
#endif
    if (__builtin_setjmp(frame.jump) != 0) {
        // Back from a fault: the handler has disarmed this frame already.
        return false;
    }
    TlsSetValue(g_guard.tlsIndex, &frame);
    bool threw = false;
    CallBody(body, argument, &threw);
    TlsSetValue(g_guard.tlsIndex, frame.outer);
    return !threw;
}

}  // namespace quorvel
