// Which windows are browser pages, as the hook library (the right drags,
// the drag-to-scroll sender) and Quorvel.exe (the drag-to-scroll receiver,
// the browser the circle starts) both decide it.
//
// A page is known by its content window's class and by its program:
// - Internet Explorer: "Internet Explorer_Server" (or "Shell DocObject
//   View") in any program, as ever;
// - Firefox: "MozillaWindowClass"; its right drags in any program, as ever,
//   drag-to-scroll only in a browser program;
// - Chromium (Edge, Chrome, Brave, Vivaldi, Opera): "Chrome_RenderWidgetHostHWND"
//   under a "Chrome_WidgetWin_1" root, in a browser program only: code
//   editors, chat and mail programs are built on the same engine.
// A browser program is one whose executable's file name is on the user's
// list ("BrowserPrograms"; DEFAULT_BROWSER_PROGRAMS until one is given).
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

enum BrowserFamily : uint32_t {
    BROWSER_NONE = 0,
    BROWSER_INTERNET_EXPLORER = 1,
    BROWSER_FIREFOX = 2,
    BROWSER_CHROMIUM = 3,
};

constexpr char IE_SERVER_CLASS[] = "Internet Explorer_Server";
constexpr char IE_DOC_VIEW_CLASS[] = "Shell DocObject View";
constexpr char FIREFOX_CONTENT_CLASS[] = "MozillaWindowClass";
constexpr char CHROMIUM_CONTENT_CLASS[] = "Chrome_RenderWidgetHostHWND";
constexpr char CHROMIUM_ROOT_CLASS[] = "Chrome_WidgetWin_1";

// The browser programs until the user's list is handed over: names each
// ending in a zero, an empty name last (the REG_MULTI_SZ form).
constexpr char DEFAULT_BROWSER_PROGRAMS[] = "msedge.exe\0chrome.exe\0brave.exe\0vivaldi.exe\0opera.exe\0firefox.exe\0";
constexpr size_t DEFAULT_BROWSER_PROGRAMS_SIZE = sizeof DEFAULT_BROWSER_PROGRAMS;

// Drag-to-scroll over Firefox and Chromium pages: Quorvel.exe posts the
// page's window WM_MOUSEWHEEL turns with this key state (MK_MBUTTON: the
// middle button is held) at the point the page was taken hold of; the
// hooks leave such a turn where it was posted.
constexpr uint32_t DRAG_SCROLL_WHEEL_KEYS = 0x0010;

// The family whose page content windows have this class; BROWSER_NONE for
// any other class (the Chromium root class included).
BrowserFamily ContentClassFamily(const char* className);

// Whether content of `family` is a browser page: Internet Explorer's
// always; Firefox's and Chromium's only in a browser program, Chromium's
// only under its root class. (The right drags still take Firefox content
// in any program, by the class alone.)
bool IsBrowserPage(BrowserFamily family, bool browserProgram, bool chromiumRoot);

// The family of a browser by its executable's file name (the program the
// circle starts): BROWSER_NONE for a name it does not know.
BrowserFamily ProgramFamily(const char* fileName);

}  // namespace quorvel
