#include "DesktopWatch.h"

#include "common/SharedState.h"

namespace quorvel {

std::vector<int32_t> PackMonitorLayout(const std::vector<MonitorArea>& monitors) {
    std::vector<int32_t> rects;
    const auto add = [&rects](const MonitorArea& m) {
        if (m.right <= m.left || m.bottom <= m.top || rects.size() >= 4u * MAX_MONITORS) return;
        rects.insert(rects.end(), {m.left, m.top, m.right, m.bottom});
    };
    for (const MonitorArea& m : monitors) {
        if (m.primary) add(m);
    }
    for (const MonitorArea& m : monitors) {
        if (!m.primary) add(m);
    }
    return rects;
}

bool IsFullScreenState(uint32_t state) {
    return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE;
}

bool FullScreenWatch::OnTick(uint32_t now) {
    if (asked_ && now - askedAt_ < FULL_SCREEN_CHECK_MS) return false;
    const bool first = !asked_;
    asked_ = true;
    askedAt_ = now;
    uint32_t state = 0;
    const bool fullScreen = source_.Query(&state) && IsFullScreenState(state);
    if (!first && fullScreen == fullScreen_) return false;
    fullScreen_ = fullScreen;
    library_.SetFullScreenNow(fullScreen ? 1 : 0);
    return !first || fullScreen;
}

}  // namespace quorvel
