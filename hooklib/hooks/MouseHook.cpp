// The WH_MOUSE hook: recognises the mouse-button gestures in whatever
// program is under the cursor and decides per message whether that program
// sees it.
#include "HookProcedures.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/windowhooks/SmartMove.h"
#include "hooklib/gestures/ButtonChord.h"
#include "hooklib/gestures/ButtonMessages.h"
#include "hooklib/gestures/DragScrollSender.h"
#include "hooklib/gestures/GestureCancel.h"
#include "hooklib/gestures/MiddleButtonGesture.h"
#include "hooklib/gestures/RightButtonGesture.h"

namespace quorvel {

// The button messages, and the moves while a gesture waits for its end.
bool MouseHookBody(Context& ctx, const MouseHookInput& in) {
    const bool quiet = in.gated || ctx.shared.Paused == 1;
    if (!IsButtonMessage(in.message)) {
        CallOffReleasedGestures(ctx, in.pt);
        if (ctx.shared.DragScrollState != DRAG_SCROLL_IDLE && !quiet) OnDragScrollMove(ctx, in);
        return false;
    }
    // Where Quorvel stays out no gesture starts, and one under way ends
    // here without acting; the message passes on untouched.
    if (quiet) {
        CallOffAtGatedButton(ctx, in);
        return false;
    }

    const uint32_t msg = in.message;
    if (ctx.SettingOn(SETTING_APP_SWITCH_TO_LAST) && ctx.shared.IsNTPlatform == 1 && IsChordMessage(msg)) {
        ReadButtonStates(ctx);
        if (HandleButtonChord(ctx, msg, in.hwnd, in.pt)) return true;
    }
    if (IsPress(msg)) CallOffAtPress(ctx, in);
    if (msg == win::WM_LBUTTONDOWN) RememberDialogClick(ctx);

    if (IsMiddlePress(msg)) return OnMiddleButtonDown(ctx, in);
    if (IsRightRelease(msg)) return OnRightButtonUp(ctx, in);
    if (IsRightPress(msg)) return OnRightButtonDown(ctx, in);
    if (IsMiddleRelease(msg)) OnMiddleButtonUp(ctx, in);
    return false;
}

}  // namespace quorvel
