// The exception report's texts from "Util.dat", loaded at the first fault by
// its full path in the install folder (never through the DLL search order).
// Without Util.dat the report is written without those sections.
#pragma once

#include "WindowsApi.h"

#include "hooklib/core/ExceptionReport.h"

namespace quorvel {

class UtilTexts : public FaultTextSource {
public:
    // installPath: folder of system.dat, ending in a backslash.
    UtilTexts(const char* installPath, EXCEPTION_POINTERS* pointers);
    bool Available() const { return reason_ != nullptr; }
    const char* FaultReason() override;
    const char* Registers() override;
    const char* FirstStackLine() override;
    const char* NextStackLine() override;

private:
    EXCEPTION_POINTERS* pointers_;
    void* reason_ = nullptr;
    void* registers_ = nullptr;
    void* first_ = nullptr;
    void* next_ = nullptr;
};

}  // namespace quorvel
