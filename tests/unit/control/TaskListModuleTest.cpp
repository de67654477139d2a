// Which windows become tasks of the switcher, in which order, with which
// title and icon: on a fake window list.
#include <gtest/gtest.h>

#include <map>

#include "TaskListModule.h"

namespace quorvel {
namespace {

constexpr uint32_t Hung = 0xFFFFFFFF;  // a window that does not answer WM_GETICON

struct Win {
  uint32_t hwnd;
  std::string title;
  uint32_t owner = 0;
  bool visible = true;
  bool dialog = false;
  TaskRect rect{10, 10, 200, 100};
  uint32_t smallIcon = 0;  // answer to WM_GETICON, or Hung
  uint32_t classIcon = 0;
};

// The windows in Z-order, front first.
class FakeTaskWindows : public TaskWindows {
 public:
  std::vector<Win> windows;
  std::vector<uint32_t> iconWaits;  // timeouts given to WM_GETICON

  std::vector<uint32_t> TopLevelWindows() override {
    std::vector<uint32_t> all;
    for (const Win& w : windows) all.push_back(w.hwnd);
    return all;
  }
  uint32_t Owner(uint32_t h) override { return Find(h) ? Find(h)->owner : 0; }
  bool IsVisible(uint32_t h) override { return Find(h) && Find(h)->visible; }
  bool IsDialogBox(uint32_t h) override { return Find(h) && Find(h)->dialog; }
  int Text(uint32_t h, char* buffer, int size) override {
    const Win* w = Find(h);
    buffer[0] = '\0';
    if (!w || size <= 0) return 0;
    const std::string cut = w->title.substr(0, static_cast<size_t>(size - 1));
    cut.copy(buffer, cut.size());
    buffer[cut.size()] = '\0';
    return static_cast<int>(cut.size());
  }
  bool Rect(uint32_t h, TaskRect& rect) override {
    if (!Find(h)) return false;
    rect = Find(h)->rect;
    return true;
  }
  uint32_t SmallIcon(uint32_t h, uint32_t timeoutMs) override {
    iconWaits.push_back(timeoutMs);
    return Find(h) && Find(h)->smallIcon != Hung ? Find(h)->smallIcon : 0;
  }
  uint32_t ClassSmallIcon(uint32_t h) override { return Find(h) ? Find(h)->classIcon : 0; }
  uint32_t ApplicationIcon() override { return 0x7F00; }

 private:
  const Win* Find(uint32_t h) const {
    for (const Win& w : windows) {
      if (w.hwnd == h) return &w;
    }
    return nullptr;
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

Win Hidden(uint32_t hwnd, std::string title, uint32_t icon = 0) {
  Win w{hwnd, std::move(title)};
  w.visible = false;
  w.smallIcon = icon;
  return w;
}

Win Owned(uint32_t hwnd, std::string title, uint32_t owner) {
  Win w{hwnd, std::move(title)};
  w.owner = owner;
  return w;
}

Win Sized(uint32_t hwnd, TaskRect rect) {
  Win w{hwnd, "Sized"};
  w.rect = rect;
  return w;
}

Win WithIcons(uint32_t hwnd, uint32_t small, uint32_t cls) {
  Win w{hwnd, "Icons"};
  w.smallIcon = small;
  w.classIcon = cls;
  return w;
}

// The switcher (0x500, hidden) is owned by the program's hidden
// application window 0x400.
constexpr uint32_t OwnApp = 0x400;
constexpr uint32_t Switcher = 0x500;

std::vector<Task> Enumerate(std::vector<Win> windows, FakeTaskWindows* fake = nullptr) {
  FakeTaskWindows local;
  FakeTaskWindows& os = fake ? *fake : local;
  os.windows = std::move(windows);
  Win app = Hidden(OwnApp, "");
  Win form = Hidden(Switcher, "Easy task switcher");
  form.owner = OwnApp;
  os.windows.push_back(app);
  os.windows.push_back(form);
  TaskListModule module(os);
  module.SetTaskListWindow(Switcher);
  module.RefreshTaskList();
  module.RefreshTaskList();  // rebuilt, not added to
  std::vector<Task> tasks;
  for (const ClassTaskInfo& t : module.TaskCollection()) tasks.push_back({t.hwnd, t.title, t.icon});
  return tasks;
}

TEST(TaskListModuleTest, WhichWindowsAreTasks) {
  const std::string long150(150, 'x');
  Win visibleApp{OwnApp, "Quorvel"};  // shown by mistake: still never a task
  Win dialog{0x30, "Save as"};
  dialog.dialog = true;
  struct Case {
    const char* what;
    std::vector<Win> windows;
    std::vector<Task> tasks;
  } cases[] = {
      {"plain windows front to back", {{0x10, "Front"}, {0x20, "Back"}},
       {{0x10, "Front", 0x7F00}, {0x20, "Back", 0x7F00}}},
      {"Program Manager exactly is the desktop", {{0x10, "Program Manager"}, {0x20, "program manager"}},
       {{0x20, "program manager", 0x7F00}}},
      {"untitled", {{0x10, ""}, {0x20, "Titled"}}, {{0x20, "Titled", 0x7F00}}},
      {"hidden, dialog box", {Hidden(0x10, "Hidden"), dialog}, {}},
      {"empty rectangles; a minimized window is listed",
       {Sized(0x10, {5, 5, 5, 90}), Sized(0x20, {5, 5, 90, 5}), Sized(0x30, {-32000, -32000, -31840, -31976})},
       {{0x30, "Sized", 0x7F00}}},
      {"two owned windows of a hidden owner: the owner once, in the first one's place",
       {Owned(0x11, "Tool 1", 0x10), {0x20, "Other"}, Owned(0x12, "Tool 2", 0x10), Hidden(0x10, "", 0x77)},
       {{0x10, "", 0x77}, {0x20, "Other", 0x7F00}}},
      {"an owner with its own title, visible below its owned window",
       {Owned(0x11, "Find", 0x10), {0x10, "Editor"}}, {{0x10, "Editor", 0x7F00}}},
      {"a title of 150 characters keeps 99", {{0x10, long150}}, {{0x10, std::string(99, 'x'), 0x7F00}}},
      {"icons: own small icon, hung window's class icon, else the application icon",
       {WithIcons(0x10, 0x61, 0x62), WithIcons(0x20, Hung, 0x72), WithIcons(0x30, Hung, 0)},
       {{0x10, "Icons", 0x61}, {0x20, "Icons", 0x72}, {0x30, "Icons", 0x7F00}}},
      {"our hidden application window never; our forms stand for themselves",
       {visibleApp, Owned(0x41, "Quorvel", OwnApp), {0x20, "Other"}},
       {{0x41, "Quorvel", 0x7F00}, {0x20, "Other", 0x7F00}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Enumerate(c.windows), c.tasks);
  }
}

TEST(TaskListModuleTest, EveryIconWaitIsBoundedByOneSecond) {
  FakeTaskWindows os;
  Enumerate({WithIcons(0x10, Hung, 0), Owned(0x21, "Tool", 0x20), Hidden(0x20, "Owner")}, &os);
  ASSERT_EQ(os.iconWaits.size(), 4u);  // two tasks, two refreshes
  for (uint32_t wait : os.iconWaits) EXPECT_EQ(wait, 1000u);
}

TEST(TaskListModuleTest, TaskKeysCarryTheHandle) {
  EXPECT_EQ(TaskKey(0x2A0F4), "h172276");
  EXPECT_EQ(HandleOfTaskKey(TaskKey(0xFFFFFFF0)), 0xFFFFFFF0u);
  EXPECT_EQ(HandleOfTaskKey("172276"), 0u);
}

}  // namespace
}  // namespace quorvel
