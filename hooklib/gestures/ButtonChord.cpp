#include "ButtonChord.h"

#include "hooklib/core/WinConstants.h"
#include "ButtonMessages.h"
#include "CursorPosition.h"
#include "GestureActions.h"

namespace quorvel {
namespace {

bool KeyHeld(Input& input, int vk) { return (static_cast<uint16_t>(input.GetAsyncKeyState(vk)) & 0x8000u) != 0; }

// The release owed to the program for the chord's first press: the left one
// always reached it; a right one only when it was not over browser content
// (there the press was swallowed to wait for a drag).
uint32_t ReleaseOwedForFirstPress(const SharedState& s, uint32_t secondPress) {
    if (!IsLeftPress(secondPress)) return win::WM_LBUTTONUP;
    const bool swallowed = s.RButtonDownInIE == 1 || s.RButtonDownInFirefox == 1 || s.RButtonDownInChromium == 1;
    return swallowed ? 0 : win::WM_RBUTTONUP;
}

// The program under the pointer gets the release of the button it saw
// pressed, where the pointer is now, so it lets go of capture or a drag.
void PostOwedRelease(Context& ctx, uint32_t release, Hwnd window, Point fallback) {
    if (release != win::WM_LBUTTONUP && release != win::WM_RBUTTONUP) return;
    Point p = CursorPositionOr(ctx.input, fallback);
    if (!ctx.windows.ScreenToClient(window, &p)) return;
    ctx.messages.PostMessage(window, release, 0, PackPointLParam(p.x, p.y));
}

}  // namespace

void ReadButtonStates(Context& ctx) {
    bool left = KeyHeld(ctx.input, win::VK_LBUTTON);
    bool right = KeyHeld(ctx.input, win::VK_RBUTTON);
    // GetAsyncKeyState reports physical buttons; with swapped buttons the
    // physical left one is the logical right one.
    if (ctx.system.GetSystemMetrics(win::SM_SWAPBUTTON) != 0) {
        bool physicalLeft = left;
        left = right;
        right = physicalLeft;
    }
    ctx.shared.LButtonHeld = left ? 1 : 0;
    ctx.shared.RButtonHeld = right ? 1 : 0;
}

bool HandleButtonChord(Context& ctx, uint32_t message, Hwnd window, Point pt) {
    SharedState& s = ctx.shared;
    if ((IsLeftPress(message) && s.RButtonHeld == 1) || (IsRightSinglePress(message) && s.LButtonHeld == 1)) {
        // A press again inside a running chord owes nothing more.
        if (s.ChordPending == 0 && s.ChordSecondUpPending == 0) {
            s.ChordReleaseMessage = ReleaseOwedForFirstPress(s, message);
        }
        s.ChordPending = 1;
        // A right press over a page armed a drag; the chord's releases never
        // reach the drag logic, so it would stay armed.
        s.IERButtonDown = 0;
        return true;
    }
    if (!IsLeftOrRightRelease(message)) return false;
    if (s.ChordSecondUpPending == 1) {
        s.ChordSecondUpPending = 0;
        PostOwedRelease(ctx, s.ChordReleaseMessage, window, pt);
        s.ChordReleaseMessage = 0;
        SendAltTab(ctx.input);
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
