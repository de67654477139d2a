// Which pages the browser gestures act on (common/BrowserPages.h has the
// rule): the right press (back, forward, stop, address) and the middle press
// (drag-to-scroll) ask here. The program half of the decision is made once
// per process, from its executable's file name, and again whenever the
// browser list changes (BrowserProgramsChange), as the exclusion is; a
// right press over anything else pays two string comparisons more.
#pragma once

#include "Context.h"
#include "common/BrowserPages.h"

namespace quorvel {

// The right press: Internet Explorer and Firefox content by class, the
// window or else its parent, with their log lines; then a Chromium page of
// a browser program: its content window, the window's parent, or the
// Chromium root window itself with its content under `pt`.
BrowserFamily RightPressPage(Context& ctx, Hwnd window, Point pt);

// The middle press (drag-to-scroll): an "Internet Explorer_Server" window
// itself, or a Firefox or Chromium page (found as above) of a browser
// program. No log lines.
BrowserFamily DragScrollPage(Context& ctx, Hwnd window, Point pt);

// Is the program named by the path on the browser list (the defaults while
// Quorvel.exe has handed over none)?
bool IsBrowserProgram(const SharedState& s, const char* executablePath);

// The decision for the program that owns the window: this process's own,
// except in the process that installed the hooks (there Windows also calls
// them for programs of the other bitness).
bool BrowserProgramWindow(Context& ctx, Hwnd window);

// Children of a Chromium root looked at for its content window.
constexpr int MAX_CHROMIUM_CHILDREN = 64;

}  // namespace quorvel
