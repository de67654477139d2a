// The program's one message loop, with keyboard navigation of the forms
// (Tab, Enter for the default button, Esc for the cancel button, Alt+letter).
#pragma once

#include <windows.h>

namespace quorvel {

class Form;

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles the window messages waiting now and returns (used by animation
// loops that sleep between steps). A WM_QUIT met here is posted again.
void ProcessPendingMessages();

// Shows the form modally over its owner: the owner takes no input until the
// form is unloaded.
void ShowModal(Form& form, HWND owner);

}  // namespace quorvel
