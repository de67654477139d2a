// How the forms' windows and controls are made: the window styles of each
// frame and kind of control, and the font and colours the forms draw with.
#pragma once

#include <windows.h>

#include "control/core/ControlTable.h"

namespace quorvel {

DWORD FormStyle(FormFrame frame);
DWORD FormExStyle(FormFrame frame);
const char* ControlClass(ControlKind kind);
DWORD ControlStyle(const ControlRow& control);

// Whether the user has switched high contrast on.
bool HighContrastOn();

// The table's font at the display's dpi; without a face, the font message
// boxes and dialogs use (Segoe UI 9 on Windows today), at the system's dpi,
// which is the display's for this system-aware program.
HFONT CreateFormFont(const FormFont& font, int dpiY);

}  // namespace quorvel
