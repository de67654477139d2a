// The WH_MOUSE hook: recognises the mouse-button gestures in whatever
// program is under the cursor and decides per message whether that program
// sees it.
#include "HookProcedures.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/windowhooks/SmartMove.h"
#include "hooklib/gestures/ButtonChord.h"
#include "hooklib/gestures/ButtonMessages.h"
#include "hooklib/gestures/DragScrollSender.h"
#include "hooklib/gestures/MiddleButtonGesture.h"
#include "hooklib/gestures/RightButtonGesture.h"

namespace quorvel {

bool MouseHookProc(Context& ctx, int code, const MouseHookInput& in) {
    // Wheel turns and everything else leave here, before any platform call;
    // moves too, unless a middle press over a page waits for them.
    if (code != win::HC_ACTION) return false;
    if (!IsButtonMessage(in.message)) {
        if (IsMoveMessage(in.message) && ctx.shared.DragScrollState != DRAG_SCROLL_IDLE && ctx.shared.Paused != 1) {
            OnDragScrollMove(ctx, in);
        }
        return false;
    }
    if (ctx.shared.Paused == 1) return false;

    const uint32_t msg = in.message;
    if (ctx.SettingOn(SETTING_APP_SWITCH_TO_LAST) && ctx.shared.IsNTPlatform == 1 && IsChordMessage(msg)) {
        ReadButtonStates(ctx);
        if (HandleButtonChord(ctx, msg, in.hwnd, in.pt)) return true;
    }
    if (msg == win::WM_LBUTTONDOWN) RememberDialogClick(ctx);

    if (IsMiddlePress(msg)) return OnMiddleButtonDown(ctx, in);
    if (IsRightRelease(msg)) return OnRightButtonUp(ctx, in);
    if (IsRightPress(msg)) return OnRightButtonDown(ctx, in);
    if (IsMiddleRelease(msg)) OnMiddleButtonUp(ctx, in);
    return false;
}

}  // namespace quorvel
