// DragAndScroll: scrolls an Internet Explorer page, or the frame of a
// frameset page under the cursor, pixel for pixel with the cursor while the
// hook library reports a middle-button drag over it (steps and end reach the
// main window procedure, which hands them here).
//
// One IEWindowClass record per browser, keyed by TaskKey of its top-level
// window. The record is made at the first step over a browser without one
// (and the hook library told with AddIEWindow); at the first step of every
// drag its document is fetched anew from the content window under the
// cursor, so pages navigated to and tabs switched to scroll too. A browser
// that has closed, or whose document cannot be had or read, loses its record
// (RemoveIEWindow). Nothing here throws or stops the program.
//
// Calls into another process's page let the user-interface thread handle
// messages while they wait, so a step or end can arrive in the middle of
// another. Those wait and run, in order, once the call under way is done;
// waiting steps of one browser merge into the latest (a step measures from
// the last one handled, so no movement is lost).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control/core/DragScrollSeam.h"
#include "PageModel.h"

namespace quorvel {

// What drag-to-scroll needs besides the page: documents of content windows,
// whether a window still exists, the hook library's browser table and the
// control program's debug trace.
class DragScrollHost {
public:
    virtual ~DragScrollHost() = default;
    virtual std::unique_ptr<PageDocument> DocumentOf(uint32_t contentWindow) = 0;
    virtual bool IsWindow(uint32_t window) = 0;
    virtual void AddIEWindow(uint32_t root) = 0;
    virtual void RemoveIEWindow(uint32_t root) = 0;
    virtual void WriteDebugLine(const std::string& text) = 0;
};

// One tracked browser window.
struct IEWindowClass {
    std::unique_ptr<PageDocument> document;
    int mouseX = -1;
    int mouseY = -1;
    std::unique_ptr<PageFrame> activeFrame;  // none = no drag in progress
    double expandRatio = 0;
    bool standardsMode = false;  // the active frame's document is in standards mode
};

class DragAndScroll : public DragScrollHandler {
public:
    explicit DragAndScroll(DragScrollHost& host) : host_(host) {}

    // Notes the content window the next step of that browser comes from.
    void WatchBrowserWindow(uint32_t root, uint32_t contentWindow) override;
    void DragScrollStep(uint32_t root, int x, int y, int top, int left, int width) override;
    void ForgetActiveFrame(uint32_t root) override;

    // The record of a browser, or null.
    const IEWindowClass* Record(uint32_t root) const;

private:
    struct Tracked {
        uint32_t root;
        IEWindowClass record;
    };
    using Records = std::map<std::string, Tracked>;
    struct Waiting {  // a step or an end that arrived during another call
        bool end;
        uint32_t root;
        int x, y, top, left, width;
    };

    void Run(const Waiting& call);
    void Step(uint32_t root, int x, int y, int top, int left, int width);
    void Forget(uint32_t root);
    Records::iterator Drop(Records::iterator it);
    bool ChooseActiveFrame(IEWindowClass& r, int x, int y, int top, int left, int width);
    bool ScrollActiveFrame(IEWindowClass& r, int x, int y);

    DragScrollHost& host_;
    Records BrowserWindows;
    std::map<uint32_t, uint32_t> contentWindows_;  // root -> content window of its latest step
    bool busy_ = false;
    std::vector<Waiting> waiting_;
};

}  // namespace quorvel
