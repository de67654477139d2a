// Drag-to-scroll in Quorvel.exe: COM on the user-interface thread, pages
// read through MSHTML, wheel turns posted to Firefox and Chromium pages, the
// browser table of the hook library, the control program's debug trace.
// Make it on the UI thread and hand Handler() to the main form; it must
// outlive the main window's message handling.
#pragma once

#include <string>

#include "control/dragscroll/BrowserDragScroll.h"
#include "control/dragscroll/DragAndScroll.h"
#include "control/core/HookLibrary.h"

namespace quorvel {

// COM for the calling thread (single-threaded apartment) for the owner's life.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

class Win32DragScroll : private DragScrollHost, private WheelScrollHost {
public:
    using TraceWriter = void (*)(const std::string& text);
    Win32DragScroll(HookLibrary& library, TraceWriter trace);

    DragScrollHandler& Handler() { return browsers_; }
    // The packed list of browser programs, as handed to the hooks.
    void SetBrowserPrograms(const std::string& packed) { browsers_.SetBrowserPrograms(packed); }

private:
    // DragScrollHost
    std::unique_ptr<PageDocument> DocumentOf(uint32_t contentWindow) override;
    bool IsWindow(uint32_t window) override;
    void AddIEWindow(uint32_t root) override { library_.AddIEWindow(root); }
    void RemoveIEWindow(uint32_t root) override { library_.RemoveIEWindow(root); }
    void WriteDebugLine(const std::string& text) override { trace_(text); }
    // WheelScrollHost
    std::string ClassName(uint32_t window) override;
    uint32_t Parent(uint32_t window) override;
    uint32_t Root(uint32_t window) override { return library_.GetRootWindow(window, 0); }
    uint32_t VisibleChildAt(uint32_t parent, const char* className, int x, int y) override;
    std::string ProgramPath(uint32_t window) override;
    WheelSettings SettingsFor(uint32_t window) override;
    void PostWheel(uint32_t window, int units, int x, int y) override;

    ComApartment com_;  // first in, last out: the pages are released before COM ends
    HookLibrary& library_;
    TraceWriter trace_;
    DragAndScroll scroll_;
    BrowserDragScroll browsers_;
};

}  // namespace quorvel
