// The exception report "QuorvelExceptionLog.txt": one block per fault caught
// by the guard around a hook procedure or worker.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

struct ExceptionFacts {
    uint32_t code = 0;
    uint64_t address = 0;  // where the fault occurred
};

// The texts of the crash-report helper "Util.dat" for one fault; each call
// returns a zero-terminated text or null. Null when Util.dat is not there.
class FaultTextSource {
public:
    virtual ~FaultTextSource() = default;
    virtual const char* FaultReason() = 0;
    virtual const char* Registers() = 0;
    virtual const char* FirstStackLine() = 0;
    virtual const char* NextStackLine() = 0;
};

constexpr int STACK_TRACE_OPTIONS = 15;  // option word passed to the stack functions
constexpr int MAX_STACK_LINES = 256;     // a runaway stack walk is cut here

// Writes the debug-log line and the report block; returns 1 (the filter
// result that runs the guard's handler), also when no file can be opened.
int WriteExceptionReport(Context& ctx, const ExceptionFacts& facts, FaultTextSource* texts);

}  // namespace quorvel
