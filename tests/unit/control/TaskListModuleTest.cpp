// Which windows become tasks of the switcher, in which order, with which
// title and icon: on a fake window list.
#include <gtest/gtest.h>

#include <stdexcept>

#include "control/taskswitcher/TaskListModule.h"

namespace quorvel {
namespace {

constexpr uint32_t Hung = 0xFFFFFFFF;  // does not answer WM_GETICON
constexpr uint32_t AppIcon = 0x7F00;
// The switcher 0x500 (hidden) is owned by the program's hidden application window 0x400.
constexpr uint32_t OwnApp = 0x400, Switcher = 0x500;

struct Win {
    uint32_t hwnd;
    std::string title;
    uint32_t owner = 0;
    bool visible = true, dialog = false;
    TaskRect rect{10, 10, 200, 100};
    uint32_t smallIcon = 0, classIcon = 0;  // smallIcon: WM_GETICON's answer, or Hung
    bool cloaked = false;
};

// The windows in Z-order, front first.
class FakeTaskWindows : public TaskWindows {
public:
    std::vector<Win> windows;
    std::vector<uint32_t> iconWaits;  // timeouts given to WM_GETICON, one per request

    std::vector<uint32_t> TopLevelWindows() override {
        std::vector<uint32_t> all;
        for (const Win& w : windows) all.push_back(w.hwnd);
        return all;
    }
    uint32_t Owner(uint32_t h) override { return Find(h).owner; }
    bool IsVisible(uint32_t h) override { return Find(h).visible; }
    bool IsCloaked(uint32_t h) override { return Find(h).cloaked; }
    bool IsDialogBox(uint32_t h) override { return Find(h).dialog; }
    int Text(uint32_t h, char* buffer, int size) override {  // as GetWindowTextA
        const std::string cut = Find(h).title.substr(0, static_cast<size_t>(size - 1));
        buffer[cut.copy(buffer, cut.size())] = '\0';
        return static_cast<int>(cut.size());
    }
    bool Rect(uint32_t h, TaskRect& rect) override { return rect = Find(h).rect, true; }
    std::vector<uint32_t> SmallIcons(const std::vector<uint32_t>& windows, uint32_t timeoutMs) override {
        iconWaits.push_back(timeoutMs);
        std::vector<uint32_t> icons;
        for (uint32_t h : windows) icons.push_back(Find(h).smallIcon == Hung ? 0 : Find(h).smallIcon);
        return icons;
    }
    uint32_t ClassSmallIcon(uint32_t h) override { return Find(h).classIcon; }
    uint32_t ApplicationIcon() override { return AppIcon; }

private:
    const Win& Find(uint32_t h) const {
        for (const Win& w : windows) {
            if (w.hwnd == h) return w;
        }
        throw std::runtime_error("unknown window");
    }
};

struct Task {
    uint32_t hwnd;
    std::string title;
    uint32_t icon;
    bool operator==(const Task& o) const { return hwnd == o.hwnd && title == o.title && icon == o.icon; }
};
std::ostream& operator<<(std::ostream& out, const Task& t) {
    return out << "{" << t.hwnd << ", \"" << t.title << "\", " << t.icon << "}";
}

Win Owned(uint32_t hwnd, std::string title, uint32_t owner) { return {hwnd, std::move(title), owner}; }
Win Hidden(uint32_t hwnd, std::string title, uint32_t icon = 0) {
    return {hwnd, std::move(title), 0, false, false, {10, 10, 200, 100}, icon};
}
Win Sized(uint32_t hwnd, TaskRect rect) { return {hwnd, "Sized", 0, true, false, rect}; }
Win Icons(uint32_t hwnd, uint32_t small, uint32_t cls) {
    return {hwnd, "Icons", 0, true, false, {10, 10, 200, 100}, small, cls};
}
Win Cloaked(uint32_t hwnd, std::string title) {
    return {hwnd, std::move(title), 0, true, false, {10, 10, 200, 100}, 0, 0, true};
}

std::vector<Task> Enumerate(std::vector<Win> windows, FakeTaskWindows& os) {
    os.windows = std::move(windows);
    os.windows.push_back(Hidden(OwnApp, ""));
    os.windows.push_back(Owned(Switcher, "Easy task switcher", OwnApp));
    os.windows.back().visible = false;
    TaskListModule module(os);
    module.SetTaskListWindow(Switcher);
    module.RefreshTaskList();
    module.RefreshTaskList();  // rebuilt, not added to
    std::vector<Task> tasks;
    for (const ClassTaskInfo& t : module.TaskCollection()) tasks.push_back({t.hwnd, t.title, t.icon});
    return tasks;
}

TEST(TaskListModuleTest, WhichWindowsAreTasks) {
    Win dialog{0x30, "Save as"};
    dialog.dialog = true;
    struct Case {
        const char* what;
        std::vector<Win> windows;
        std::vector<Task> tasks;
    } cases[] = {
        {"front to back", {{0x10, "Front"}, {0x20, "Back"}}, {{0x10, "Front", AppIcon}, {0x20, "Back", AppIcon}}},
        {"Program Manager exactly is the desktop",
         {{0x10, "Program Manager"}, {0x20, "program manager"}},
         {{0x20, "program manager", AppIcon}}},
        {"untitled, hidden, dialog box", {{0x10, ""}, Hidden(0x20, "Hidden"), dialog}, {}},
        {"empty rectangles; a minimized window is listed",
         {Sized(0x10, {5, 5, 5, 90}), Sized(0x20, {5, 5, 90, 5}), Sized(0x30, {-32000, -32000, -31840, -31976})},
         {{0x30, "Sized", AppIcon}}},
        {"two owned windows of a hidden owner: the owner once, in the first one's place",
         {Owned(0x11, "Tool 1", 0x10), {0x20, "Other"}, Owned(0x12, "Tool 2", 0x10), Hidden(0x10, "", 0x77)},
         {{0x10, "", 0x77}, {0x20, "Other", AppIcon}}},
        {"an owner below its owned window is listed once",
         {Owned(0x11, "Find", 0x10), {0x10, "Editor"}},
         {{0x10, "Editor", AppIcon}}},
        {"a title of 150 characters keeps 99",
         {{0x10, std::string(150, 'x')}},
         {{0x10, std::string(99, 'x'), AppIcon}}},
        {"icons: its own, a hung window's class icon, else the application icon",
         {Icons(0x10, 0x61, 0x62), Icons(0x20, Hung, 0x72), Icons(0x30, Hung, 0)},
         {{0x10, "Icons", 0x61}, {0x20, "Icons", 0x72}, {0x30, "Icons", AppIcon}}},
        {"cloaked (another virtual desktop, a suspended app) is not shown, so no task",
         {Cloaked(0x10, "Settings"), {0x20, "Here"}},
         {{0x20, "Here", AppIcon}}},
        {"our hidden application window never, even shown; our forms stand for themselves",
         {{OwnApp, "Quorvel"}, Owned(0x41, "Quorvel", OwnApp), {0x20, "Other"}},
         {{0x41, "Quorvel", AppIcon}, {0x20, "Other", AppIcon}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTaskWindows os;
        EXPECT_EQ(Enumerate(c.windows, os), c.tasks);
        // One request for all the icons of each of the two refreshes, waited
        // for 300 ms at most in all.
        EXPECT_EQ(os.iconWaits, std::vector<uint32_t>(c.tasks.empty() ? 0 : 2, 300));
    }
}

TEST(TaskListModuleTest, TaskKeysCarryTheHandle) {
    EXPECT_EQ(TaskKey(0x2A0F4), "h172276");
    EXPECT_EQ(HandleOfTaskKey(TaskKey(0xFFFFFFF0)), 0xFFFFFFF0u);
    EXPECT_EQ(HandleOfTaskKey("172276"), 0u);
}

}  // namespace
}  // namespace quorvel
