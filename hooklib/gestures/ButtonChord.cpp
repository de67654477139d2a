#include "ButtonChord.h"

#include "../core/WinConstants.h"
#include "ButtonMessages.h"
#include "GestureActions.h"

namespace quorvel {
namespace {

bool KeyHeld(Context& ctx, int vk) { return (static_cast<uint16_t>(ctx.os.GetAsyncKeyState(vk)) & 0x8000u) != 0; }

}  // namespace

void ReadButtonStates(Context& ctx) {
    bool left = KeyHeld(ctx, win::VK_LBUTTON);
    bool right = KeyHeld(ctx, win::VK_RBUTTON);
    // GetAsyncKeyState reports physical buttons; with swapped buttons the
    // physical left one is the logical right one.
    if (ctx.os.GetSystemMetrics(win::SM_SWAPBUTTON) != 0) {
        bool physicalLeft = left;
        left = right;
        right = physicalLeft;
    }
    ctx.shared.LButtonHeld = left ? 1 : 0;
    ctx.shared.RButtonHeld = right ? 1 : 0;
}

bool HandleButtonChord(Context& ctx, uint32_t message, Hwnd window) {
    SharedState& s = ctx.shared;
    if ((IsLeftPress(message) && s.RButtonHeld == 1) || (IsRightSinglePress(message) && s.LButtonHeld == 1)) {
        s.ChordPending = 1;
        return true;
    }
    if (!IsLeftOrRightRelease(message)) return false;
    if (s.ChordSecondUpPending == 1) {
        s.ChordSecondUpPending = 0;
        ctx.os.PostMessage(window, message, 0, 0);
        SendAltTab(ctx);
        return true;
    }
    if (s.ChordPending == 1) {
        s.ChordPending = 0;
        s.ChordSecondUpPending = 1;
        return true;
    }
    return false;
}

}  // namespace quorvel
