#include "GestureActions.h"

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/LaunchRequest.h"
#include "hooklib/core/Reachability.h"
#include "hooklib/core/WinConstants.h"
#include "hooklib/core/WindowClassification.h"

namespace quorvel {
namespace {

constexpr uint32_t KEY_DOWN = 0;
constexpr uint32_t EXTENDED_DOWN = win::KEYEVENTF_EXTENDEDKEY;
constexpr uint32_t KEY_UP = win::KEYEVENTF_KEYUP;
constexpr uint32_t EXTENDED_UP = win::KEYEVENTF_EXTENDEDKEY | win::KEYEVENTF_KEYUP;

// Scan codes; the arrows and Tab carry the 0xE0 prefix in the high byte.
constexpr uint16_t SCAN_ALT = 0x38;
constexpr uint16_t SCAN_CONTROL = 0x1D;
constexpr uint16_t SCAN_ESCAPE = 0x01;
constexpr uint16_t SCAN_O = 0x18;
constexpr uint16_t SCAN_L = 0x26;
constexpr uint16_t SCAN_LEFT = 0xE04B;
constexpr uint16_t SCAN_RIGHT = 0xE04D;
constexpr uint16_t SCAN_TAB = 0xE00F;
constexpr uint16_t VK_O = 0x4F;
constexpr uint16_t VK_L = 0x4C;

// The Esc keystroke posted before the close command (repeat 1, scan code 1;
// the release also carries the previous-state and transition bits).
constexpr uint32_t ESCAPE_DOWN_LPARAM = 0x00010001;
constexpr uint32_t ESCAPE_UP_LPARAM = 0xC0010001;
constexpr uint32_t CLOSE_LPARAM = 0xFFFFFFFF;

constexpr InputEvent Key(uint16_t vk, uint16_t scan, uint32_t flags) {
    InputEvent e{};
    e.kind = InputEvent::Keyboard;
    e.vk = vk;
    e.scan = scan;
    e.flags = flags;
    return e;
}

// modifier down, key down, key up, modifier up
void SendChord(Input& input, uint16_t modifierVk, uint16_t modifierScan, uint16_t vk, uint16_t scan, bool extended) {
    const InputEvent inputs[] = {
        Key(modifierVk, modifierScan, KEY_DOWN),
        Key(vk, scan, extended ? EXTENDED_DOWN : KEY_DOWN),
        Key(vk, scan, extended ? EXTENDED_UP : KEY_UP),
        Key(modifierVk, modifierScan, KEY_UP),
    };
    input.SendInput(inputs, 4);
}

}  // namespace

void SendBrowserBack(Input& input) { SendChord(input, win::VK_MENU, SCAN_ALT, win::VK_LEFT, SCAN_LEFT, true); }

void SendBrowserForward(Input& input) { SendChord(input, win::VK_MENU, SCAN_ALT, win::VK_RIGHT, SCAN_RIGHT, true); }

void SendOpenLocation(Input& input) { SendChord(input, win::VK_CONTROL, SCAN_CONTROL, VK_O, SCAN_O, false); }

void SendFocusLocationBar(Input& input) { SendChord(input, win::VK_CONTROL, SCAN_CONTROL, VK_L, SCAN_L, false); }

void SendAltTab(Input& input) { SendChord(input, win::VK_MENU, SCAN_ALT, win::VK_TAB, SCAN_TAB, true); }

void SendEscape(Input& input) {
    const InputEvent inputs[] = {
        Key(win::VK_ESCAPE, SCAN_ESCAPE, KEY_DOWN),
        Key(win::VK_ESCAPE, SCAN_ESCAPE, KEY_UP),
    };
    input.SendInput(inputs, 2);
}

void MinimizeOrMaximizeWindow(Context& ctx, int action, Hwnd target) {
    if (!GestureTargetReachable(ctx, target)) return;
    uint32_t command = win::SC_MINIMIZE;
    if (action != SIZE_ACTION_MINIMIZE) command = ctx.windows.IsZoomed(target) ? win::SC_RESTORE : win::SC_MAXIMIZE;
    uint32_t style = ctx.windows.GetStyle(target);  // 0 for a vanished window: nothing is posted
    uint32_t neededBox = command == win::SC_MINIMIZE ? win::WS_MINIMIZEBOX : win::WS_MAXIMIZEBOX;
    if (style & neededBox) ctx.messages.PostMessage(target, win::WM_SYSCOMMAND, command, 0);
    WriteLogF(ctx, "Action : %d, Has post messge to window : %x", action, target);
}

void CloseClickedWindow(Context& ctx, Hwnd clickedWindow) {
    Hwnd root = GetRootWindow(ctx, clickedWindow, 1);
    WriteLogF(ctx, "\nOK. double click right button, window %x, rootwidnow: %x", clickedWindow, root);
    if (!CanCloseWindow(ctx, root) || !GestureTargetReachable(ctx, root)) return;
    WriteLog(ctx, "Yes, can close window.\n");
    ctx.messages.PostMessage(clickedWindow, win::WM_KEYDOWN, win::VK_ESCAPE, ESCAPE_DOWN_LPARAM);
    ctx.messages.PostMessage(clickedWindow, win::WM_KEYUP, win::VK_ESCAPE, ESCAPE_UP_LPARAM);
    ctx.messages.PostMessage(root, win::WM_SYSCOMMAND, win::SC_CLOSE, CLOSE_LPARAM);
}

// Quorvel.exe opens "ShowDesktop.scf" and starts "SetForegroundWindow.exe"
// with the taskbar's handle, from its own folder: shell calls can load
// extensions and take seconds, which inside the hook would hold up the
// host's input. The repeat guard stays here, shared by every program.
void ShowDesktop(Context& ctx) {
    SharedState& s = ctx.shared;
    uint32_t now = ctx.clock.GetTickCount();
    if (now - s.LastShowDesktopTime <= static_cast<uint32_t>(s.MBUTTON_DBCLICK_TIME_LIMIT)) return;
    s.LastShowDesktopTime = now;
    RequestLaunch(ctx, LAUNCH_SHOW_DESKTOP);
}

}  // namespace quorvel
