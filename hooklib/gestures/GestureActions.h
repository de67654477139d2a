// What a recognised gesture does: synthesised keystrokes, posted window
// commands and started programs. Actions never wait for their effect and
// ignore the results of the calls they make.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

// ---- keystrokes (one SendInput call each)
void SendBrowserBack(Input& input);       // Alt+Left
void SendBrowserForward(Input& input);    // Alt+Right
void SendOpenLocation(Input& input);      // Ctrl+O
void SendFocusLocationBar(Input& input);  // Ctrl+L
void SendEscape(Input& input);            // Esc
void SendAltTab(Input& input);            // Alt+Tab

// ---- window commands
enum SizeAction : int {
    SIZE_ACTION_NONE = 0,
    SIZE_ACTION_MINIMIZE = 1,
    SIZE_ACTION_MAXIMIZE = 2,  // maximize, or restore when already maximized
};
// Posts SC_MINIMIZE / SC_MAXIMIZE / SC_RESTORE to the target when its style
// has the matching box; logs the attempt either way.
void MinimizeOrMaximizeWindow(Context& ctx, int action, Hwnd target);
// The right double-click: Esc to the clicked window, then SC_CLOSE to its
// root, when that root may be closed.
void CloseClickedWindow(Context& ctx, Hwnd clickedWindow);

// ---- programs
// Asks Quorvel.exe to open "ShowDesktop.scf" and start
// "SetForegroundWindow.exe" with the taskbar's handle; at most once per
// MBUTTON_DBCLICK_TIME_LIMIT.
void ShowDesktop(Context& ctx);

}  // namespace quorvel
