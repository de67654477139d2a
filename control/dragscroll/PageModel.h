// A browser page as drag-to-scroll sees it: the document shown in a content
// window and its HTML windows (the page itself, or the frames of a frameset
// page). The shipped program reads them through MSHTML; tests use a fake.
// Every read answers false when the value cannot be had (a page still
// loading, a frame of another site, a closed browser).
#pragma once

#include <memory>
#include <string>

namespace quorvel {

// An HTML window: the page, or one frame of a frameset.
class PageFrame {
public:
    virtual ~PageFrame() = default;
    virtual bool DocumentElementScrollTop(long& value) = 0;  // documentElement.scrollTop
    virtual bool BodyScrollTop(long& value) = 0;             // body.scrollTop
    virtual bool DocumentHeight(long& value) = 0;            // documentElement.offsetHeight
    virtual bool DocumentWidth(long& value) = 0;             // documentElement.offsetWidth
    virtual bool BodyScrollHeight(long& value) = 0;          // body.scrollHeight
    virtual bool ScrollBy(long dx, long dy) = 0;             // window.scrollBy
    // A page in standards mode (compatMode "CSS1Compat", Internet Explorer 9
    // and later, Edge's IE mode) scrolls its document element: its client
    // height is what is shown, its scroll height the whole document.
    virtual bool CompatMode(std::string& mode) = 0;      // document.compatMode
    virtual bool DocumentClientHeight(long& value) = 0;  // documentElement.clientHeight
    virtual bool DocumentClientWidth(long& value) = 0;   // documentElement.clientWidth
    virtual bool DocumentScrollHeight(long& value) = 0;  // documentElement.scrollHeight
};

constexpr char STANDARDS_MODE[] = "CSS1Compat";

// The document of a content window.
class PageDocument {
public:
    virtual ~PageDocument() = default;
    virtual bool BodyTagName(std::string& tag) = 0;            // body.tagName
    virtual std::unique_ptr<PageFrame> ParentWindow() = 0;     // parentWindow; null when unreadable
    virtual bool FrameCount(long& count) = 0;                  // frames.length
    virtual std::unique_ptr<PageFrame> Frame(long index) = 0;  // frames.item(index); null when unreadable
};

}  // namespace quorvel
