// Where the main window's drag-to-scroll steps go: to DragAndScroll for an
// Internet Explorer page, to wheel turns for a Firefox or Chromium page of a
// browser program, and nowhere for any other window: the receiver decides
// on the window the step names as the hooks decided at the press
// (common/BrowserPages.h), with the same list of browser programs, so a
// step that did not come from them scrolls nothing.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "DragAndScroll.h"
#include "WheelScroll.h"

namespace quorvel {

// What the receiver reads of windows and sends them; the Win32 side
// implements it, tests fake it.
class WheelScrollHost {
public:
    virtual ~WheelScrollHost() = default;
    virtual bool IsWindow(uint32_t window) = 0;
    virtual std::string ClassName(uint32_t window) = 0;
    virtual uint32_t Parent(uint32_t window) = 0;  // GetParent, as the hooks read it
    virtual uint32_t Root(uint32_t window) = 0;    // GetRootWindow(window, 0)
    // The visible child of that class whose rectangle holds the point.
    virtual uint32_t VisibleChildAt(uint32_t parent, const char* className, int x, int y) = 0;
    virtual std::string ProgramPath(uint32_t window) = 0;  // of the program owning it; empty when unknown
    virtual WheelSettings SettingsFor(uint32_t window) = 0;
    // Posts WM_MOUSEWHEEL (DRAG_SCROLL_WHEEL_KEYS, units) at (x, y).
    virtual void PostWheel(uint32_t window, int units, int x, int y) = 0;
    virtual void WriteDebugLine(const std::string& text) = 0;
};

// The page the step's window belongs to, decided as the hooks decide it;
// `browserPrograms` is the packed list.
BrowserFamily ReceivedPage(WheelScrollHost& host, uint32_t window, int x, int y, const std::string& browserPrograms);

class BrowserDragScroll : public DragScrollHandler {
public:
    BrowserDragScroll(DragAndScroll& pages, WheelScrollHost& host) : pages_(pages), host_(host) {}

    // The packed list Quorvel.exe hands the hooks (the defaults until then).
    void SetBrowserPrograms(const std::string& packed) { browserPrograms_ = packed; }

    void WatchBrowserWindow(uint32_t root, uint32_t contentWindow) override { watched_[root] = contentWindow; }
    void DragScrollStep(uint32_t root, int x, int y, int top, int left, int width) override;
    void ForgetActiveFrame(uint32_t root) override;

private:
    struct Drag {
        BrowserFamily family;
        uint32_t window;  // the page's window, the step's
        int grabX, grabY;
        WheelDrag wheel;
    };
    void StartDrag(uint32_t root, uint32_t window, int x, int y);

    DragAndScroll& pages_;
    WheelScrollHost& host_;
    std::string browserPrograms_{DEFAULT_BROWSER_PROGRAMS, DEFAULT_BROWSER_PROGRAMS_SIZE};
    std::map<uint32_t, uint32_t> watched_;  // root -> window of its latest step
    std::map<uint32_t, Drag> drags_;        // root -> the drag under way
};

}  // namespace quorvel
