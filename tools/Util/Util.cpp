// Util.dat: the crash-report helper of the hook library. It describes a fault
// for the exception report: the exception's name (for an access violation,
// the address and whether it was a read or a write), the processor's
// registers, and the stack as "module+offset" lines.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "common/UtilApi.h"

namespace {

constexpr int TEXT_SIZE = 1024;
constexpr int MAX_FRAMES = 64;

// Texts live per thread until the next call on that thread.
struct UtilThreadTexts {
    char reason[TEXT_SIZE];
    char registers[TEXT_SIZE];
    char frame[TEXT_SIZE];
    int nextFrame;
    uintptr_t frames[MAX_FRAMES];
    int frameCount;
};

DWORD g_tlsIndex = TLS_OUT_OF_INDEXES;

UtilThreadTexts* Texts() {
    if (g_tlsIndex == TLS_OUT_OF_INDEXES) return nullptr;
    auto* t = static_cast<UtilThreadTexts*>(TlsGetValue(g_tlsIndex));
    if (!t) {
        t = static_cast<UtilThreadTexts*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(UtilThreadTexts)));
        if (t) TlsSetValue(g_tlsIndex, t);
    }
    return t;
}

const char* ExceptionName(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION: return "EXCEPTION_ACCESS_VIOLATION";
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
        case EXCEPTION_BREAKPOINT: return "EXCEPTION_BREAKPOINT";
        case EXCEPTION_DATATYPE_MISALIGNMENT: return "EXCEPTION_DATATYPE_MISALIGNMENT";
        case EXCEPTION_FLT_DENORMAL_OPERAND: return "EXCEPTION_FLT_DENORMAL_OPERAND";
        case EXCEPTION_FLT_DIVIDE_BY_ZERO: return "EXCEPTION_FLT_DIVIDE_BY_ZERO";
        case EXCEPTION_FLT_INEXACT_RESULT: return "EXCEPTION_FLT_INEXACT_RESULT";
        case EXCEPTION_FLT_INVALID_OPERATION: return "EXCEPTION_FLT_INVALID_OPERATION";
        case EXCEPTION_FLT_OVERFLOW: return "EXCEPTION_FLT_OVERFLOW";
        case EXCEPTION_FLT_STACK_CHECK: return "EXCEPTION_FLT_STACK_CHECK";
        case EXCEPTION_FLT_UNDERFLOW: return "EXCEPTION_FLT_UNDERFLOW";
        case EXCEPTION_ILLEGAL_INSTRUCTION: return "EXCEPTION_ILLEGAL_INSTRUCTION";
        case EXCEPTION_IN_PAGE_ERROR: return "EXCEPTION_IN_PAGE_ERROR";
        case EXCEPTION_INT_DIVIDE_BY_ZERO: return "EXCEPTION_INT_DIVIDE_BY_ZERO";
        case EXCEPTION_INT_OVERFLOW: return "EXCEPTION_INT_OVERFLOW";
        case EXCEPTION_PRIV_INSTRUCTION: return "EXCEPTION_PRIV_INSTRUCTION";
        case EXCEPTION_STACK_OVERFLOW: return "EXCEPTION_STACK_OVERFLOW";
        default: return "unknown exception";
    }
}

// "module+0xoffset" for a code address, or the bare address.
void DescribeAddress(uintptr_t address, char* out, size_t size) {
    HMODULE module = nullptr;
    char path[MAX_PATH] = "";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(address), &module) &&
        GetModuleFileNameA(module, path, sizeof path)) {
        path[sizeof path - 1] = '\0';
        const char* name = std::strrchr(path, '\\');
        name = name ? name + 1 : path;
        std::snprintf(out, size, "%s+0x%llx", name,
                      static_cast<unsigned long long>(address - reinterpret_cast<uintptr_t>(module)));
    } else {
        std::snprintf(out, size, "0x%llx", static_cast<unsigned long long>(address));
    }
}

bool Readable(uintptr_t address, size_t size) {
    MEMORY_BASIC_INFORMATION mbi;
    if (!VirtualQuery(reinterpret_cast<void*>(address), &mbi, sizeof mbi)) return false;
    if (mbi.State != MEM_COMMIT || (mbi.Protect & (PAGE_GUARD | PAGE_NOACCESS))) return false;
    uintptr_t end = reinterpret_cast<uintptr_t>(mbi.BaseAddress) + mbi.RegionSize;
    return address + size <= end;
}

#if defined(_M_X64) || defined(__x86_64__)
void WalkStack(const CONTEXT& start, UtilThreadTexts* t) {
    CONTEXT c = start;
    t->frameCount = 0;
    while (t->frameCount < MAX_FRAMES && c.Rip) {
        t->frames[t->frameCount++] = c.Rip;
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION fn = RtlLookupFunctionEntry(c.Rip, &imageBase, nullptr);
        if (fn) {
            PVOID handlerData = nullptr;
            DWORD64 establisher = 0;
            RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, c.Rip, fn, &c, &handlerData, &establisher, nullptr);
        } else {
            if (!Readable(c.Rsp, sizeof(DWORD64))) break;
            c.Rip = *reinterpret_cast<DWORD64*>(c.Rsp);
            c.Rsp += 8;
        }
    }
}
#else
void WalkStack(const CONTEXT& start, UtilThreadTexts* t) {
    t->frameCount = 0;
    t->frames[t->frameCount++] = start.Eip;
    uintptr_t frame = start.Ebp;
    while (t->frameCount < MAX_FRAMES && frame && (frame & 3) == 0 && Readable(frame, 2 * sizeof(uintptr_t))) {
        auto* words = reinterpret_cast<uintptr_t*>(frame);
        uintptr_t returnAddress = words[1];
        uintptr_t next = words[0];
        if (!returnAddress) break;
        t->frames[t->frameCount++] = returnAddress;
        if (next <= frame) break;  // frames grow upward; anything else is a broken chain
        frame = next;
    }
}
#endif

const char* FrameText(UtilThreadTexts* t) {
    if (t->nextFrame >= t->frameCount) return nullptr;
    DescribeAddress(t->frames[t->nextFrame++], t->frame, sizeof t->frame);
    return t->frame;
}

}  // namespace

extern "C" __declspec(dllexport) const char* WINAPI GetFaultReason(EXCEPTION_POINTERS* p) {
    UtilThreadTexts* t = Texts();
    if (!t || !p || !p->ExceptionRecord) return nullptr;
    const EXCEPTION_RECORD* r = p->ExceptionRecord;
    char where[MAX_PATH + 32];
    DescribeAddress(reinterpret_cast<uintptr_t>(r->ExceptionAddress), where, sizeof where);
    if (r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r->NumberParameters >= 2) {
        const char* kind = r->ExceptionInformation[0] == 0   ? "read of"
                           : r->ExceptionInformation[0] == 8 ? "execution at"
                                                             : "write to";
        std::snprintf(t->reason, sizeof t->reason, "%s at %s: %s address 0x%llx", ExceptionName(r->ExceptionCode),
                      where, kind, static_cast<unsigned long long>(r->ExceptionInformation[1]));
    } else {
        std::snprintf(t->reason, sizeof t->reason, "%s (0x%08lx) at %s", ExceptionName(r->ExceptionCode),
                      static_cast<unsigned long>(r->ExceptionCode), where);
    }
    return t->reason;
}

extern "C" __declspec(dllexport) const char* WINAPI GetRegisterString(EXCEPTION_POINTERS* p) {
    UtilThreadTexts* t = Texts();
    if (!t || !p || !p->ContextRecord) return nullptr;
    const CONTEXT& c = *p->ContextRecord;
#if defined(_M_X64) || defined(__x86_64__)
    std::snprintf(t->registers, sizeof t->registers,
                  "RAX=%016llx RBX=%016llx RCX=%016llx RDX=%016llx\nRSI=%016llx RDI=%016llx RBP=%016llx "
                  "RSP=%016llx\nR8 =%016llx R9 =%016llx R10=%016llx R11=%016llx\nR12=%016llx R13=%016llx "
                  "R14=%016llx R15=%016llx\nRIP=%016llx EFLAGS=%08lx",
                  c.Rax, c.Rbx, c.Rcx, c.Rdx, c.Rsi, c.Rdi, c.Rbp, c.Rsp, c.R8, c.R9, c.R10, c.R11, c.R12, c.R13, c.R14,
                  c.R15, c.Rip, static_cast<unsigned long>(c.EFlags));
#else
    std::snprintf(t->registers, sizeof t->registers,
                  "EAX=%08lx EBX=%08lx ECX=%08lx EDX=%08lx ESI=%08lx EDI=%08lx\nEIP=%08lx ESP=%08lx EBP=%08lx "
                  "EFL=%08lx\nCS=%04lx DS=%04lx SS=%04lx ES=%04lx FS=%04lx GS=%04lx",
                  c.Eax, c.Ebx, c.Ecx, c.Edx, c.Esi, c.Edi, c.Eip, c.Esp, c.Ebp, c.EFlags, c.SegCs, c.SegDs, c.SegSs,
                  c.SegEs, c.SegFs, c.SegGs);
#endif
    return t->registers;
}

extern "C" __declspec(dllexport) const char* WINAPI GetFirstStackTraceString(DWORD, EXCEPTION_POINTERS* p) {
    UtilThreadTexts* t = Texts();
    if (!t || !p || !p->ContextRecord) return nullptr;
    WalkStack(*p->ContextRecord, t);
    t->nextFrame = 0;
    return FrameText(t);
}

extern "C" __declspec(dllexport) const char* WINAPI GetNextStackTraceString(DWORD, EXCEPTION_POINTERS* p) {
    UtilThreadTexts* t = Texts();
    return t ? FrameText(t) : nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_tlsIndex = TlsAlloc();
    return TRUE;
}
