#include "UtilTexts.h"

#include <cstdio>

#include "common/UtilApi.h"
#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"
#include "hooklib/core/Constants.h"

namespace quorvel {

UtilTexts::UtilTexts(const char* installPath, EXCEPTION_POINTERS* pointers) : pointers_(pointers) {
    // Without the fault's registers (a stack overflow, reported after the
    // stack was unwound) there is nothing for Util.dat to describe.
    if (!pointers || !pointers->ContextRecord) return;
    char path[MAX_PATH + 16];
    int n = std::snprintf(path, sizeof path, "%s%s", installPath, UTIL_LIBRARY_FILE_NAME);
    if (n <= 0 || n >= static_cast<int>(sizeof path) || installPath[0] == '\0') return;
    // An already loaded copy is reused; otherwise load it by its full path.
    wchar_t wide[MAX_PATH + 16];
    if (!WidenInto(path, wide, MAX_PATH + 16)) return;
    OwnedModule util(LoadLibraryExW(wide, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!util) return;
    reason_ = reinterpret_cast<void*>(GetProcAddress(util.Get(), "GetFaultReason"));
    registers_ = reinterpret_cast<void*>(GetProcAddress(util.Get(), "GetRegisterString"));
    first_ = reinterpret_cast<void*>(GetProcAddress(util.Get(), "GetFirstStackTraceString"));
    next_ = reinterpret_cast<void*>(GetProcAddress(util.Get(), "GetNextStackTraceString"));
    if (!reason_ || !registers_ || !first_ || !next_) {
        reason_ = registers_ = first_ = next_ = nullptr;
        return;  // not the helper we know: given back
    }
    // A usable helper stays loaded for the life of the process: it keeps a
    // thread-local slot and per-thread texts that it never gives back, which
    // loading it afresh for every report would leak.
    util.Release();
}

const char* UtilTexts::FaultReason() {
    return reason_ ? reinterpret_cast<GetFaultReasonFn>(reason_)(pointers_) : nullptr;
}

const char* UtilTexts::Registers() {
    return registers_ ? reinterpret_cast<GetRegisterStringFn>(registers_)(pointers_) : nullptr;
}

const char* UtilTexts::FirstStackLine() {
    return first_ ? reinterpret_cast<GetFirstStackTraceStringFn>(first_)(STACK_TRACE_OPTIONS, pointers_) : nullptr;
}

const char* UtilTexts::NextStackLine() {
    return next_ ? reinterpret_cast<GetNextStackTraceStringFn>(next_)(STACK_TRACE_OPTIONS, pointers_) : nullptr;
}

}  // namespace quorvel
