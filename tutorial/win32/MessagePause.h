// A pause that keeps the window alive: it dispatches pending window messages
// until the time has passed, so the window repaints and answers the mouse
// while an animation waits.
#pragma once

#include <windows.h>

namespace quorvel::tutorial {

// Waits `ms` milliseconds while dispatching messages (dialog keys of `window`
// included). Returns false, with WM_QUIT posted again for the outer loop, when
// the program is ending or `window` has been destroyed.
bool PauseProcessingMessages(DWORD ms, HWND window);

}  // namespace quorvel::tutorial
