#include "HookSets.h"

namespace quorvel {

uint32_t StartHookSets(HookHost& host) {
    const uint32_t result = host.RunStartHook();
    if (result == 1 && host.HelperWanted()) host.StartHelper();
    return result;
}

uint32_t StopHookSets(HookHost& host, uint32_t helperWaitMs) {
    if (host.HelperRunning()) host.StopHelper(helperWaitMs);
    return host.RunStopHook();
}

bool WaitForHelperToEnd(HelperProcess& helper, Clock& clock, uint32_t waitMs) {
    const uint32_t start = clock.NowMs();
    bool posted = false;
    for (;;) {
        const uint32_t elapsed = clock.NowMs() - start;
        if (elapsed >= waitMs) return false;
        if (!posted) posted = helper.PostStop();
        if (helper.WaitForEnd(posted ? waitMs - elapsed : HELPER_POST_RETRY_MS)) return true;
    }
}

HelperWatchStep HelperWatch::OnCheck(bool helperRunning, bool quietTime) {
    if (helperRunning || told_) return HelperWatchStep::Nothing;
    if (!restarted_) {
        restarted_ = true;
        return HelperWatchStep::Restart;
    }
    if (quietTime) return HelperWatchStep::Nothing;
    told_ = true;
    return HelperWatchStep::TellUser;
}

std::string HelperGoneNoticeText() {
    return "Quorvel's helper for 64-bit programs (QuorvelHook64.exe) has stopped twice and is not started again. "
           "In 64-bit programs some of Quorvel's features may not work until you start Quorvel again; "
           "32-bit programs are not affected.";
}

}  // namespace quorvel
