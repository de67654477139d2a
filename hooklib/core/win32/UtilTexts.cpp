#include "UtilTexts.h"

#include <cstdio>

#include "common/UtilApi.h"
#include "hooklib/core/Constants.h"

namespace quorvel {

UtilTexts::UtilTexts(const char* installPath, EXCEPTION_POINTERS* pointers) : pointers_(pointers) {
    char path[MAX_PATH + 16];
    int n = std::snprintf(path, sizeof path, "%s%s", installPath, UTIL_LIBRARY_FILE_NAME);
    if (n <= 0 || n >= static_cast<int>(sizeof path) || installPath[0] == '\0') return;
    // An already loaded copy is reused; otherwise load it by its full path.
    HMODULE util = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!util) return;
    reason_ = reinterpret_cast<void*>(GetProcAddress(util, "GetFaultReason"));
    registers_ = reinterpret_cast<void*>(GetProcAddress(util, "GetRegisterString"));
    first_ = reinterpret_cast<void*>(GetProcAddress(util, "GetFirstStackTraceString"));
    next_ = reinterpret_cast<void*>(GetProcAddress(util, "GetNextStackTraceString"));
    if (!reason_ || !registers_ || !first_ || !next_) reason_ = registers_ = first_ = next_ = nullptr;
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
