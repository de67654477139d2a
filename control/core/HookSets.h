// Where the hooks live on a 64-bit Windows: the 32-bit set of system.dat,
// installed by a thread of Quorvel.exe that only pumps messages (Windows runs
// those hooks for 64-bit programs on that thread, so the user-interface
// thread, which pauses in its animations and message boxes, must not own
// them), and the 64-bit set of system64.dat, installed by the helper program
// QuorvelHook64.exe.
#pragma once

#include <cstdint>
#include <string>

#include "Clock.h"

namespace quorvel {

// While the helper's thread has no message queue yet, the stop message is
// posted again this often.
constexpr uint32_t HELPER_POST_RETRY_MS = 20;

class HookHost {
public:
    virtual ~HookHost() = default;
    // startHook / stopHook of the 32-bit library, run on the hook thread
    // (started by the first and ended by the second).
    virtual uint32_t RunStartHook() = 0;
    virtual uint32_t RunStopHook() = 0;
    // The helper is wanted when it lies beside Quorvel.exe and Windows is 64-bit.
    virtual bool HelperWanted() = 0;
    virtual bool StartHelper() = 0;
    // Asks the helper to remove its hooks and end; waits at most waitMs.
    // False when it had to be ended by force.
    virtual bool StopHelper(uint32_t waitMs) = 0;
    virtual bool HelperRunning() = 0;
};

// startHook for both sets: the 32-bit set first; the helper only after it
// succeeded. The result is the 32-bit library's.
uint32_t StartHookSets(HookHost& host);
// stopHook for both sets (the shared stop flag is already set): the helper
// ends first, within a bounded wait, then the 32-bit set goes and with it the
// shared record's reset.
uint32_t StopHookSets(HookHost& host, uint32_t helperWaitMs);

// The helper's process as its stop waits for it.
class HelperProcess {
public:
    virtual ~HelperProcess() = default;
    // Posts the stop message to the helper's thread; false while the thread
    // has no queue yet.
    virtual bool PostStop() = 0;
    // Waits at most `ms`; true once the process has ended.
    virtual bool WaitForEnd(uint32_t ms) = 0;
};

// The stop message may only be posted once the helper's thread has its
// queue: it is posted again until it is taken, all within the one bounded
// wait. True when the helper ended within waitMs.
bool WaitForHelperToEnd(HelperProcess& helper, Clock& clock, uint32_t waitMs);

// While the hooks run, the helper is looked at every HELPER_CHECK_INTERVAL_MS.
// One that has ended by itself (crashed, or ended from outside) is started
// again, once; when it ends again the user is told, once, and not while a
// full-screen program is in front.
constexpr uint32_t HELPER_CHECK_INTERVAL_MS = 1000;

enum class HelperWatchStep { Nothing, Restart, TellUser };

class HelperWatch {
public:
    HelperWatchStep OnCheck(bool helperRunning, bool quietTime);
    bool Done() const { return told_; }

private:
    bool restarted_ = false;
    bool told_ = false;
};

std::string HelperGoneNoticeText();

}  // namespace quorvel
