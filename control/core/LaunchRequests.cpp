#include "LaunchRequests.h"

#include <cstdio>

#include "common/FileNames.h"
#include "common/Messages.h"

namespace quorvel {

bool LaunchRequests::OnRequest(uint32_t action) {
    if (action != LAUNCH_SHOW_DESKTOP && action != LAUNCH_BROWSER) return false;
    const uint32_t now = clock_.NowMs();
    if (action == lastAction_ && TickDifference(now, lastTime_) >= 0 &&
        static_cast<uint32_t>(TickDifference(now, lastTime_)) < LAUNCH_REPEAT_GUARD_MS) {
        return false;
    }
    lastAction_ = action;
    lastTime_ = now;
    if (action == LAUNCH_SHOW_DESKTOP) {
        ShowDesktop();
    } else {
        starter_.StartBrowser();
    }
    return true;
}

// The shell command file shows the desktop; the helper then brings the
// taskbar to the front (its handle unsigned: it may have bit 31 set).
void LaunchRequests::ShowDesktop() {
    if (programDirectory_.empty()) return;
    starter_.Open(programDirectory_ + SHOW_DESKTOP_FILE_NAME, "");
    char parameters[16];
    std::snprintf(parameters, sizeof parameters, " %u", starter_.TaskbarWindow());
    starter_.Open(programDirectory_ + SET_FOREGROUND_WINDOW_EXE, parameters);
}

}  // namespace quorvel
