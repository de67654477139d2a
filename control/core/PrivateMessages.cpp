#include "PrivateMessages.h"

#include "common/Messages.h"

namespace quorvel {
namespace {

// A step's point (x low, y high, each signed) lies on some monitor.
bool PointOnScreen(const PrivateMessage& m) {
    const int32_t x = static_cast<int16_t>(m.wParam & 0xFFFF);
    const int32_t y = static_cast<int16_t>(m.wParam >> 16);
    return m.screenWidth > 0 && m.screenHeight > 0 && x >= m.screenLeft && y >= m.screenTop &&
           x < m.screenLeft + m.screenWidth && y < m.screenTop + m.screenHeight;
}

// A browser's window: one that exists and is not one of Quorvel's own.
bool NamesAnotherProgramsWindow(const PrivateMessage& m) { return m.windowExists && !m.windowIsOurs; }

}  // namespace

bool AcceptPrivateMessage(const PrivateMessage& m) {
    if (m.to == PrivateWindow::AutoClick) return m.message == AUTO_CLICK_MESSAGE && m.wParam == 0 && m.lParam == 0;
    if (m.to == PrivateWindow::TaskList) return m.message == TASK_LIST_MESSAGE && m.wParam == 0 && m.lParam == 0;
    switch (m.message) {
        case INSTANCE_ACTIVATE_MESSAGE:
        case EXIT_REQUEST_MESSAGE: return m.wParam == 0 && m.lParam == 0;
        case LAUNCH_REQUEST_MESSAGE:
            return m.lParam == 0 && (m.wParam == LAUNCH_SHOW_DESKTOP || m.wParam == LAUNCH_BROWSER);
        case DRAG_SCROLL_STEP_MESSAGE: return NamesAnotherProgramsWindow(m) && PointOnScreen(m);
        case DRAG_SCROLL_END_MESSAGE: return NamesAnotherProgramsWindow(m);
        default: return false;
    }
}

}  // namespace quorvel
