// What kind of window lies under the cursor: browser page content, a window
// that may be sized or closed, a dialog box, the desktop or taskbar, a
// console, or one of the control program's own windows. A window that no
// longer exists is none of these.
#pragma once

#include "Context.h"
#include "common/BrowserPages.h"

namespace quorvel {

// 1 if the window is a dialog box, else 0.
int IfDialogBoxWindow(Context& ctx, Hwnd window);
// Top of the parent/owner chain; 0 when refuseDialogs is exactly 1 and a
// window on the chain is a dialog box, 0 for a window that no longer exists
// and 0 when more than MAX_ROOT_CHAIN windows lie above it (an owner loop).
Hwnd GetRootWindow(Context& ctx, Hwnd window, int refuseDialogs);

// Page content of Internet Explorer ("Internet Explorer_Server" or
// "Shell DocObject View"). Logs the test.
bool IsIEContentWindow(Context& ctx, Hwnd window);
// Firefox content ("MozillaWindowClass"). Logs the test.
bool IsFirefoxContentWindow(Context& ctx, Hwnd window);
// The same two tests of a window whose class name was read already.
bool IsIEContentClass(Context& ctx, Hwnd window, const char* className);
bool IsFirefoxContentClass(Context& ctx, Hwnd window, const char* className);

// May minimize/maximize be applied? Not to the taskbar, the desktop or an
// empty window.
bool CanSizeWindow(Context& ctx, Hwnd window);
// May the right double-click close it? Only a visible, titled top-level
// window (or the owner of one) that is neither a console nor ours.
bool CanCloseWindow(Context& ctx, Hwnd window);

// What of a taskbar lies at a point: its task buttons (also the free room
// beside them), another part of it (the notification area, the clock, the
// Start, search, task view and show-desktop buttons), or no taskbar at all.
// Every taskbar counts: the primary one and those of other monitors. On a
// taskbar drawn as one window of its own (Windows 11) the old windows of
// those other parts still say where they lie.
enum class TaskbarPart { None, TaskButtons, Other };
TaskbarPart TaskbarPartAt(Context& ctx, Hwnd under, Point point);

bool IsOwnTaskSwitcherWindow(Context& ctx, Hwnd window);
bool IsOwnMainWindow(Context& ctx, Hwnd window);

// Does the command line name Notepad or Word?
bool IsNotepadOrWordProcess(const char* commandLine);

// Children nest at most a few dozen deep on Windows; owners add a few more.
constexpr int MAX_ROOT_CHAIN = 256;

// Window classes and titles the classification knows (the browsers' in
// common/BrowserPages.h).
constexpr const char* DESKTOP_CLASSES[] = {"Progman", "WorkerA", "WorkerW"};
constexpr const char* TASKBAR_CLASS = "Shell_TrayWnd";
constexpr const char* TASKBAR_CLASSES[] = {TASKBAR_CLASS, "Shell_SecondaryTrayWnd"};
constexpr const char* TASKBAR_OTHER_PARTS[] = {
    "TrayNotifyWnd",         "TrayClockWClass", "ClockButton", "Start", "TrayButton", "TrayShowDesktopButtonWClass",
    "TrayDummySearchControl"};
constexpr const char* TASKBAR_WHOLE_BAR_CLASSES[] = {"Windows.UI.Composition.DesktopWindowContentBridge",
                                                     "Windows.UI.Input.InputSite.WindowClass"};
constexpr int MAX_TASKBAR_CHILDREN = 64;
constexpr const char* CONSOLE_CLASS = "ConsoleWindowClass";
constexpr const char* DESKTOP_TITLE = "Program Manager";

}  // namespace quorvel
