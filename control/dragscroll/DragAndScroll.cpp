#include "DragAndScroll.h"

#include <cctype>
#include <cmath>

namespace quorvel {

namespace {

// "h" followed by the decimal handle.
std::string TaskKey(uint32_t handle) { return "h" + std::to_string(handle); }

// documentElement.scrollTop; body.scrollTop when that is 0 or unreadable
// (pages in quirks mode scroll their body).
bool GetScrollTop(PageFrame& w, long& value) {
    if (w.DocumentElementScrollTop(value) && value != 0) return true;
    return w.BodyScrollTop(value);
}

bool StandardsMode(PageFrame& w) {
    std::string mode;
    return w.CompatMode(mode) && mode == STANDARDS_MODE;
}

// What the frame shows: documentElement.offsetHeight and offsetWidth, in
// standards mode its clientHeight and clientWidth (there the offset height
// is the whole document).
bool GetDocumentHeight(PageFrame& w, bool standards, long& value) {
    return standards ? w.DocumentClientHeight(value) : w.DocumentHeight(value);
}
bool GetDocumentWidth(PageFrame& w, bool standards, long& value) {
    return standards ? w.DocumentClientWidth(value) : w.DocumentWidth(value);
}
// How far it scrolls: body.scrollHeight, in standards mode the document element's.
bool GetScrollHeight(PageFrame& w, bool standards, long& value) {
    return standards ? w.DocumentScrollHeight(value) : w.BodyScrollHeight(value);
}

// Frames of a frameset lie left to right, then row under row; more than
// this many pixels left at the right of a frame means another one follows.
constexpr long FRAME_ROW_SLACK = 4;

}  // namespace

const IEWindowClass* DragAndScroll::Record(uint32_t root) const {
    auto it = BrowserWindows.find(TaskKey(root));
    return it == BrowserWindows.end() ? nullptr : &it->second.record;
}

DragAndScroll::Records::iterator DragAndScroll::Drop(Records::iterator it) {
    const uint32_t root = it->second.root;
    it = BrowserWindows.erase(it);  // releases the document and the active frame
    host_.RemoveIEWindow(root);
    return it;
}

void DragAndScroll::WatchBrowserWindow(uint32_t root, uint32_t contentWindow) { contentWindows_[root] = contentWindow; }

void DragAndScroll::DragScrollStep(uint32_t root, int x, int y, int top, int left, int width) {
    const Waiting call{false, root, x, y, top, left, width};
    if (busy_ && !waiting_.empty() && !waiting_.back().end && waiting_.back().root == root) {
        waiting_.back() = call;
    } else {
        Run(call);
    }
}

void DragAndScroll::ForgetActiveFrame(uint32_t root) { Run(Waiting{true, root, 0, 0, 0, 0, 0}); }

void DragAndScroll::Run(const Waiting& call) {
    if (busy_) {
        waiting_.push_back(call);
        return;
    }
    busy_ = true;
    waiting_.push_back(call);
    while (!waiting_.empty()) {
        const Waiting next = waiting_.front();
        waiting_.erase(waiting_.begin());
        if (next.end) {
            Forget(next.root);
        } else {
            Step(next.root, next.x, next.y, next.top, next.left, next.width);
        }
    }
    busy_ = false;
}

void DragAndScroll::Step(uint32_t root, int x, int y, int top, int left, int width) {
    // Browsers closed since go first.
    for (auto it = BrowserWindows.begin(); it != BrowserWindows.end();) {
        it = host_.IsWindow(it->second.root) ? std::next(it) : Drop(it);
    }
    for (auto it = contentWindows_.begin(); it != contentWindows_.end();) {
        it = host_.IsWindow(it->first) ? std::next(it) : contentWindows_.erase(it);
    }
    if (!root) return;  // the browser's window went while the step travelled
    auto it = BrowserWindows.find(TaskKey(root));
    if (it != BrowserWindows.end() && it->second.record.activeFrame) {
        if (!ScrollActiveFrame(it->second.record, x, y)) Drop(it);
        return;
    }

    // The first step of a drag: take hold of the page now under the cursor.
    auto content = contentWindows_.find(root);
    std::unique_ptr<PageDocument> document =
        content == contentWindows_.end() ? nullptr : host_.DocumentOf(content->second);
    if (!document) {
        if (it != BrowserWindows.end()) Drop(it);
        return;
    }
    if (it == BrowserWindows.end()) {
        it = BrowserWindows.emplace(TaskKey(root), Tracked{root, IEWindowClass{}}).first;
        host_.AddIEWindow(root);
    }
    IEWindowClass& r = it->second.record;
    r.document = std::move(document);
    r.mouseX = x;
    r.mouseY = y;
    if (!ChooseActiveFrame(r, x, y, top, left, width)) Drop(it);  // no scrolling on a first step
}

void DragAndScroll::Forget(uint32_t root) {
    auto it = BrowserWindows.find(TaskKey(root));
    if (it != BrowserWindows.end()) it->second.record.activeFrame.reset();
}

// False when the document cannot be read. A frameset in which no frame lies
// under the cursor (or a frame cannot be measured) leaves the record idle:
// the next step tries again.
bool DragAndScroll::ChooseActiveFrame(IEWindowClass& r, int x, int y, int top, int left, int width) {
    std::string tag;
    if (!r.document || !r.document->BodyTagName(tag)) return false;
    for (char& c : tag) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tag == "BODY") {
        r.activeFrame = r.document->ParentWindow();
        if (r.activeFrame) r.standardsMode = StandardsMode(*r.activeFrame);
        return r.activeFrame != nullptr;
    }
    long count = 0;
    if (!r.document->FrameCount(count)) return false;
    long cl = left, ct = top;
    for (long i = 0; i < count; ++i) {
        std::unique_ptr<PageFrame> f = r.document->Frame(i);
        long frameWidth = 0, frameHeight = 0;
        const bool standards = f && StandardsMode(*f);
        if (!f || !GetDocumentWidth(*f, standards, frameWidth) || !GetDocumentHeight(*f, standards, frameHeight)) {
            return true;
        }
        const long fr = cl + frameWidth, fb = ct + frameHeight;
        if (cl < x && x < fr && ct < y && y < fb) {
            r.activeFrame = std::move(f);
            r.standardsMode = standards;
            return true;
        }
        if ((static_cast<long>(left) + width) - fr > FRAME_ROW_SLACK) {
            cl = fr + 1;
        } else {
            cl = left;
            ct = fb + 1;
        }
    }
    return true;
}

// A later step: scroll by the cursor's vertical movement, nothing past the
// bottom or above the top. False when the frame cannot be read.
bool DragAndScroll::ScrollActiveFrame(IEWindowClass& r, int x, int y) {
    PageFrame& frame = *r.activeFrame;
    const bool up = r.mouseY >= y;
    long st = 0, h = 0, sh = 0;
    if (!GetScrollTop(frame, st) || !GetDocumentHeight(frame, r.standardsMode, h) ||
        !GetScrollHeight(frame, r.standardsMode, sh)) {
        return false;
    }
    const bool blocked = (!up && st + h > sh) || (up && st == 0);
    if (!blocked) {
        r.expandRatio = 1;
        const double moved = up ? static_cast<double>(r.mouseY) - y : static_cast<double>(y) - r.mouseY;
        const long amount = std::lrint(r.expandRatio * moved);  // halves to even
        frame.ScrollBy(0, up ? -amount : amount);
        host_.WriteDebugLine("mouse x : " + std::to_string(x) + " mouse y : " + std::to_string(y) + "scroll by " +
                             std::to_string(amount));
    }
    r.mouseX = x;
    r.mouseY = y;
    return true;
}

}  // namespace quorvel
