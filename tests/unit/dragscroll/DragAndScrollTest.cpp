// Drag-to-scroll on a fake page: what each step scrolls and traces, which
// frame of a frameset is chosen, and how browsers are tracked.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <utility>

#include "control/dragscroll/DragAndScroll.h"

namespace quorvel {
namespace {

// One HTML window of the fake page; scrolled by what the logic asks.
struct FrameData {
    long docTop = 0, bodyTop = 0, height = 600, width = 800, scrollHeight = 2000;
    std::string compatMode = "BackCompat";  // in "CSS1Compat" the client height is what is shown
    long clientHeight = 600, clientWidth = 800, docScrollHeight = 2000;
    bool readable = true;
    std::vector<long> scrolls;           // y offsets given to scrollBy
    std::function<void()> duringScroll;  // what arrives while a scroll waits for the page
};

class FakeFrame : public PageFrame {
public:
    explicit FakeFrame(std::shared_ptr<FrameData> d) : d_(std::move(d)) {}
    bool DocumentElementScrollTop(long& v) override { return Read(d_->docTop, v); }
    bool BodyScrollTop(long& v) override { return Read(d_->bodyTop, v); }
    bool DocumentHeight(long& v) override { return Read(d_->height, v); }
    bool DocumentWidth(long& v) override { return Read(d_->width, v); }
    bool BodyScrollHeight(long& v) override { return Read(d_->scrollHeight, v); }
    bool CompatMode(std::string& mode) override {
        mode = d_->compatMode;
        return d_->readable;
    }
    bool DocumentClientHeight(long& v) override { return Read(d_->clientHeight, v); }
    bool DocumentClientWidth(long& v) override { return Read(d_->clientWidth, v); }
    bool DocumentScrollHeight(long& v) override { return Read(d_->docScrollHeight, v); }
    bool ScrollBy(long, long dy) override {
        d_->scrolls.push_back(dy);
        (d_->docTop ? d_->docTop : d_->bodyTop) += dy;
        if (auto nested = std::exchange(d_->duringScroll, nullptr)) nested();
        return true;
    }

private:
    bool Read(long from, long& v) const {
        v = from;
        return d_->readable;
    }
    std::shared_ptr<FrameData> d_;
};

struct PageData {
    std::string bodyTag = "body";  // null body: ""
    std::shared_ptr<FrameData> window = std::make_shared<FrameData>();
    std::vector<std::shared_ptr<FrameData>> frames;
};

class FakeDocument : public PageDocument {
public:
    explicit FakeDocument(std::shared_ptr<PageData> d) : d_(std::move(d)) {}
    bool BodyTagName(std::string& tag) override {
        tag = d_->bodyTag;
        return !tag.empty();
    }
    std::unique_ptr<PageFrame> ParentWindow() override { return std::make_unique<FakeFrame>(d_->window); }
    bool FrameCount(long& count) override {
        count = static_cast<long>(d_->frames.size());
        return true;
    }
    std::unique_ptr<PageFrame> Frame(long i) override { return std::make_unique<FakeFrame>(d_->frames.at(i)); }

private:
    std::shared_ptr<PageData> d_;
};

class DragScroll : public ::testing::Test, public DragScrollHost {
protected:
    static constexpr uint32_t kRoot = 0x10020, kContent = 0x10030;
    // The content window's rectangle on screen: top, left, width.
    static constexpr int kTop = 50, kLeft = 10, kWidth = 801;

    std::map<uint32_t, std::shared_ptr<PageData>> pages{{kContent, std::make_shared<PageData>()}};
    std::set<uint32_t> windows{kRoot, kContent};
    std::vector<std::string> events;  // AddIEWindow / RemoveIEWindow calls
    std::vector<std::string> lines;   // debug trace
    DragAndScroll scroll{*this};

    std::unique_ptr<PageDocument> DocumentOf(uint32_t content) override {
        auto it = pages.find(content);
        if (it == pages.end()) return nullptr;
        return std::make_unique<FakeDocument>(it->second);
    }
    bool IsWindow(uint32_t w) override { return windows.count(w) != 0; }
    void AddIEWindow(uint32_t root) override { events.push_back("add " + std::to_string(root)); }
    void RemoveIEWindow(uint32_t root) override { events.push_back("remove " + std::to_string(root)); }
    void WriteDebugLine(const std::string& text) override { lines.push_back(text); }

    PageData& Page() { return *pages[kContent]; }
    // One step message as the main window hands it on.
    void Step(int x, int y, uint32_t content = kContent) {
        scroll.WatchBrowserWindow(kRoot, content);
        scroll.DragScrollStep(kRoot, x, y, kTop, kLeft, kWidth);
    }
};

TEST_F(DragScroll, StepsOnAnOrdinaryPage) {
    struct Case {
        const char* name;
        long docTop, bodyTop;
        std::vector<std::pair<int, int>> steps;
        std::vector<long> scrolls;
        std::vector<std::string> lines;
        bool standards = false;  // a 2000 px document in standards mode, 600 px shown
    } cases[] = {
        {"the first step scrolls nothing", 100, 0, {{100, 100}}, {}, {}},
        {"30 px down scrolls 30", 100, 0, {{100, 100}, {100, 130}}, {30}, {"mouse x : 100 mouse y : 130scroll by 30"}},
        {"same height scrolls 0", 100, 0, {{100, 100}, {140, 100}}, {0}, {"mouse x : 140 mouse y : 100scroll by 0"}},
        {"at the top only upward steps are blocked",
         0,
         0,
         {{100, 100}, {100, 80}, {100, 100}, {100, 90}},
         {20, -10},
         {"mouse x : 100 mouse y : 100scroll by 20", "mouse x : 100 mouse y : 90scroll by 10"}},
        {"past the bottom downward steps are blocked",
         1401,
         0,
         {{100, 100}, {100, 130}, {-5, 90}},
         {-40},
         {"mouse x : -5 mouse y : 90scroll by 40"}},
        {"the body's scroll top when the element's is 0",
         0,
         50,
         {{100, 100}, {100, 90}},
         {-10},
         {"mouse x : 100 mouse y : 90scroll by 10"}},
        {"standards mode: what is shown is the document element's client height",
         100,
         0,
         {{100, 100}, {100, 130}},
         {30},
         {"mouse x : 100 mouse y : 130scroll by 30"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pages[kContent] = std::make_shared<PageData>();
        Page().window->docTop = c.docTop;
        Page().window->bodyTop = c.bodyTop;
        if (c.standards) Page().window->compatMode = "CSS1Compat", Page().window->height = 2000;
        lines.clear();
        scroll.ForgetActiveFrame(kRoot);
        for (auto [x, y] : c.steps) Step(x, y);
        EXPECT_EQ(Page().window->scrolls, c.scrolls);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST_F(DragScroll, AFramesetScrollsTheFrameUnderTheFirstStep) {
    struct Case {
        const char* name;
        std::vector<std::pair<long, long>> frames;  // document width, height
        int x, y;
        int chosen;  // -1: none
    } cases[] = {
        {"left of two side by side", {{300, 600}, {500, 600}}, 100, 200, 0},
        {"right of two side by side", {{300, 600}, {500, 600}}, 411, 200, 1},
        {"on the border between them", {{300, 600}, {500, 600}}, 310, 200, -1},
        {"two rows: within 4 px of the right edge starts a new row", {{797, 100}, {801, 500}}, 400, 200, 1},
        {"over no frame", {{300, 100}, {300, 100}}, 700, 600, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pages[kContent] = std::make_shared<PageData>();
        Page().bodyTag = "FRAMESET";
        for (auto [w, h] : c.frames) {
            Page().frames.push_back(std::make_shared<FrameData>());
            Page().frames.back()->width = w;
            Page().frames.back()->height = h;
            Page().frames.back()->docTop = 100;
            Page().frames.back()->scrollHeight = 5000;
        }
        scroll.ForgetActiveFrame(kRoot);
        Step(c.x, c.y);
        Step(c.x, c.y + 25);
        for (size_t i = 0; i < c.frames.size(); ++i) {
            EXPECT_EQ(Page().frames[i]->scrolls, (std::vector<long>(static_cast<int>(i) == c.chosen ? 1 : 0, 25))) << i;
        }
        EXPECT_EQ(scroll.Record(kRoot) && scroll.Record(kRoot)->activeFrame, c.chosen >= 0);
    }
}

TEST_F(DragScroll, BrowsersAreTrackedWhileTheyCanBeRead) {
    Step(100, 100);
    Step(100, 110);
    EXPECT_EQ(events, (std::vector<std::string>{"add 65568"})) << "added once";
    scroll.ForgetActiveFrame(kRoot);
    EXPECT_FALSE(scroll.Record(kRoot)->activeFrame);

    // A step for a browser nobody knows, and an end for one: nothing happens.
    scroll.DragScrollStep(0x999, 1, 1, 0, 0, 100);
    scroll.ForgetActiveFrame(0x999);

    // A content window without a page: the record goes.
    Step(100, 100, 0x10040);
    EXPECT_EQ(scroll.Record(kRoot), nullptr);
    EXPECT_EQ(events.back(), "remove 65568");

    // A page whose body cannot be read leaves no record either.
    Page().bodyTag = "";
    Step(100, 100);
    EXPECT_EQ(scroll.Record(kRoot), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"add 65568", "remove 65568", "add 65568", "remove 65568"}));

    // Nor one whose scroll position cannot be read in the middle of a drag.
    Page().bodyTag = "BODY";
    Step(100, 100);
    Page().window->readable = false;
    Step(100, 120);
    EXPECT_EQ(scroll.Record(kRoot), nullptr);
    EXPECT_EQ(Page().window->scrolls, (std::vector<long>{10})) << "only the first drag scrolled";

    // A browser that has closed is dropped at the next step of any browser.
    Page().window->readable = true;
    Step(100, 100);
    windows.erase(kRoot);
    events.clear();
    scroll.DragScrollStep(0x999, 1, 1, 0, 0, 100);
    EXPECT_EQ(scroll.Record(kRoot), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"remove 65568"}));
}

TEST_F(DragScroll, MessagesArrivingDuringACallToThePageWait) {
    Page().window->docTop = 100;
    Step(100, 100);
    Page().window->duringScroll = [this] {
        Step(100, 140);                   // these wait for the scroll under way,
        Step(100, 150);                   // merge into one step,
        scroll.ForgetActiveFrame(kRoot);  // then the drag ends
        EXPECT_TRUE(scroll.Record(kRoot)->activeFrame);
    };
    Step(100, 110);
    EXPECT_FALSE(scroll.Record(kRoot)->activeFrame);
    Step(100, 160);  // the first step of a new drag
    Step(100, 170);
    EXPECT_EQ(Page().window->scrolls, (std::vector<long>{10, 40, 10}));
}

TEST_F(DragScroll, EachDragReadsThePageShownAtItsStart) {
    Step(100, 100);
    auto first = Page().window;
    pages[kContent] = std::make_shared<PageData>();  // navigated elsewhere
    Page().window->docTop = 100;
    Step(100, 120);
    EXPECT_EQ(first->scrolls, (std::vector<long>{20})) << "a drag keeps its page";
    scroll.ForgetActiveFrame(kRoot);
    Step(100, 100);
    Step(100, 120);
    EXPECT_EQ(Page().window->scrolls, (std::vector<long>{20}));
}

}  // namespace
}  // namespace quorvel
