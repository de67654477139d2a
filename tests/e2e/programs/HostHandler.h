// A frame-based handler as a host program has one (what MSVC's __try/__except
// builds), for the test programs: HostTry(fn, argument) calls fn(argument)
// with `filter` registered as a handler of this frame. The filter may
// return EXCEPTION_CONTINUE_EXECUTION after repairing the cause. On i686 the
// record sits in this function's frame and is linked into fs:[0] (the stack
// pointer is not moved behind the compiler's back); on x86_64 mingw-w64's
// __try1 puts the handler into the unwind data. Include it in one file only.
#pragma once

#include <windows.h>
#include <excpt.h>

using HostFilterFn = LONG (*)(EXCEPTION_POINTERS*);
static HostFilterFn g_hostFilter = nullptr;

#if defined(__i386__)
extern "C" EXCEPTION_DISPOSITION __cdecl HostFrameHandler(EXCEPTION_RECORD* record, void*, CONTEXT* context, void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
    EXCEPTION_POINTERS pointers{record, context};
    return g_hostFilter(&pointers) == EXCEPTION_CONTINUE_EXECUTION ? ExceptionContinueExecution
                                                                   : ExceptionContinueSearch;
}

struct HostRegistration {
    HostRegistration* next;
    void* handler;
};

__attribute__((noinline)) static LRESULT HostTry(HostFilterFn filter, LRESULT (*fn)(void*), void* argument) {
    g_hostFilter = filter;
    HostRegistration record;
    __asm__ volatile("movl %%fs:0, %0" : "=r"(record.next));
    record.handler = reinterpret_cast<void*>(&HostFrameHandler);
    __asm__ volatile("movl %0, %%fs:0" : : "r"(&record) : "memory");
    LRESULT r = fn(argument);
    __asm__ volatile("movl %0, %%fs:0" : : "r"(record.next) : "memory");
    return r;
}
#else
extern "C" LONG HostFrameHandler(EXCEPTION_POINTERS* pointers, void*) { return g_hostFilter(pointers); }

// Kept in .text: __try1 switches back to that section.
__attribute__((noinline, section(".text"))) static LRESULT HostTry(HostFilterFn filter, LRESULT (*fn)(void*),
                                                                   void* argument) {
    g_hostFilter = filter;
    volatile LRESULT r = 0;
    __try1(HostFrameHandler) r = fn(argument);
    __except1 return r;
}
#endif
