// The WH_GETMESSAGE hook: activity counting, Cursor Go Away and Just Wheel
// It. It acts while the library is paused too; the setting word alone
// governs the features.
#include "HookProcedures.h"

#include "hooklib/core/WinConstants.h"
#include "hooklib/windowhooks/ActivityMonitor.h"
#include "hooklib/windowhooks/CursorGoAway.h"
#include "hooklib/windowhooks/JustWheelIt.h"

namespace quorvel {
namespace {

constexpr uint32_t ESCAPE_CHARACTER = 27;

bool IsButtonRelease(uint32_t m) {
    return m == win::WM_LBUTTONUP || m == win::WM_RBUTTONUP || m == win::WM_MBUTTONUP || m == win::WM_NCLBUTTONUP ||
           m == win::WM_NCRBUTTONUP || m == win::WM_NCMBUTTONUP;
}

}  // namespace

void GetMessageHookBody(Context& ctx, HookMessage& msg) {
    const uint32_t m = msg.message & 0xFFFFu;
    if (m == win::WM_KEYUP) {
        RecordUserAction(ctx, ACTION_KEY, 0, 0, 0, 0);
    } else if (m == win::WM_CHAR) {
        if (msg.wParam != ESCAPE_CHARACTER && ctx.SettingOn(SETTING_CURSOR_GO_AWAY)) CursorGoAway(ctx, msg);
    } else if (IsButtonRelease(m)) {
        RecordUserAction(ctx, ACTION_CLICK, 0, 0, 0, 0);
    } else if (m == win::WM_MOUSEWHEEL) {
        if (ctx.SettingOn(SETTING_JUST_WHEEL_IT)) RedirectWheel(ctx, msg);
    }
}

}  // namespace quorvel
