// Drag-to-scroll in Quorvel.exe: COM on the user-interface thread, pages
// read through MSHTML, the browser table of the hook library, the control
// program's debug trace. Make it on the UI thread and hand Handler() to the
// main form; it must outlive the main window's message handling.
#pragma once

#include <string>

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

class Win32DragScroll : private DragScrollHost {
public:
    using TraceWriter = void (*)(const std::string& text);
    Win32DragScroll(HookLibrary& library, TraceWriter trace);

    DragScrollHandler& Handler() { return scroll_; }

private:
    std::unique_ptr<PageDocument> DocumentOf(uint32_t contentWindow) override;
    bool IsWindow(uint32_t window) override;
    void AddIEWindow(uint32_t root) override { library_.AddIEWindow(root); }
    void RemoveIEWindow(uint32_t root) override { library_.RemoveIEWindow(root); }
    void WriteDebugLine(const std::string& text) override { trace_(text); }

    ComApartment com_;  // first in, last out: the pages are released before COM ends
    HookLibrary& library_;
    TraceWriter trace_;
    DragAndScroll scroll_;
};

}  // namespace quorvel
