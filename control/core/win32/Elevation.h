// Quorvel.exe and administrator rights, and "Start with Windows".
//
// An elevated Quorvel reaches elevated programs too, and serves the normal
// programs of its user as before (the shared record is labelled medium
// whoever makes it). Windows keeps messages of normal programs out of an
// elevated one's windows: the main window lets in exactly the messages
// normal programs send it (a second start's hand-over, /exit, and what the
// hooks ask for). A normal Quorvel lets nothing in from below.
#pragma once

#include <windows.h>

#include "control/core/EverydayControl.h"

namespace quorvel {

// This process runs with administrator rights (an elevated token).
bool RunningElevated();

// The main window of an elevated instance takes INSTANCE_ACTIVATE,
// DRAG_SCROLL_STEP/END, EXIT_REQUEST and LAUNCH_REQUEST from normal
// programs; nothing changes for a normal instance.
void AcceptMessagesFromNormalPrograms(HWND mainWindow);

// Starts Quorvel.exe again with administrator rights ("/takeover", after
// Windows' prompt); false when the user declines or it cannot start. The
// new instance asks this one to end.
bool RestartWithAdministratorRights();

// The Run entries of the user and of every account, and the user's switch.
AutoStart ReadAutoStart();
bool WriteAutoStart(bool on);

}  // namespace quorvel
