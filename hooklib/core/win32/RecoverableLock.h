// The process's lock over the dialog tables, with a count of how often the
// owning thread holds it, so that after a contained fault the guard can hand
// back every hold taken below it (the scoped holder's destructor does not
// run when a fault is unwound past it on every architecture).
#pragma once

#include "WindowsApi.h"

#include "hooklib/core/Platform.h"

namespace quorvel {

class RecoverableLock : public ProcessLock {
public:
    RecoverableLock() { InitializeCriticalSection(&section_); }
    ~RecoverableLock() override { DeleteCriticalSection(&section_); }
    void Enter() override {
        EnterCriticalSection(&section_);
        owner_ = GetCurrentThreadId();
        ++depth_;
    }
    void Leave() override {
        if (--depth_ == 0) owner_ = 0;
        LeaveCriticalSection(&section_);
    }
    // How often the calling thread holds the lock now (0 when it does not).
    int HeldByThisThread() const { return owner_ == GetCurrentThreadId() ? depth_ : 0; }
    // Leaves until the calling thread holds it only `depth` times.
    void ReleaseDownTo(int depth) {
        while (HeldByThisThread() > depth) Leave();
    }

private:
    CRITICAL_SECTION section_;
    volatile DWORD owner_ = 0;  // written only by the thread that holds the section
    int depth_ = 0;
};

}  // namespace quorvel
