// Which top-level windows are "tasks" for the task switcher, and one record
// per task (window, title, small icon), front-most first. The window queries
// sit behind TaskWindows so that the rules run on a fake window list too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

struct TaskRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The window queries of the enumeration; window and icon handles are
// 32-bit values.
class TaskWindows {
public:
    virtual ~TaskWindows() = default;
    // The top-level windows, front of the Z-order first.
    virtual std::vector<uint32_t> TopLevelWindows() = 0;
    virtual uint32_t Owner(uint32_t window) = 0;  // GetWindow(GW_OWNER)
    virtual bool IsVisible(uint32_t window) = 0;
    // Visible to the window manager yet not shown: on another virtual
    // desktop, a suspended store app, a hidden system window (DWM's
    // DWMWA_CLOAKED; false where there is no such thing).
    virtual bool IsCloaked(uint32_t window) = 0;
    // The hook library's dialog box rule (IfDialogBoxWindow).
    virtual bool IsDialogBox(uint32_t window) = 0;
    // GetWindowTextA into a buffer of `size` characters: the count it returns.
    virtual int Text(uint32_t window, char* buffer, int size) = 0;
    virtual bool Rect(uint32_t window, TaskRect& rect) = 0;
    // WM_GETICON for the small icon, to all the windows at once, waiting at
    // most timeoutMs in all for their answers; per window its icon, or 0 for
    // no icon or no answer in time.
    virtual std::vector<uint32_t> SmallIcons(const std::vector<uint32_t>& windows, uint32_t timeoutMs) = 0;
    virtual uint32_t ClassSmallIcon(uint32_t window) = 0;  // GCL_HICONSM
    virtual uint32_t ApplicationIcon() = 0;                // IDI_APPLICATION
};

struct ClassTaskInfo {
    uint32_t hwnd = 0;
    std::string title;  // at most 99 characters
    uint32_t icon = 0;
};

constexpr int TASK_TITLE_BUFFER_SIZE = 100;  // a title keeps its first 99 characters
// The windows are asked for their icons all at once, and the answers are
// waited for at most this long in all: hung programs cannot keep the
// switcher from opening, nor the others from showing their own icons.
constexpr uint32_t TASK_ICONS_TIMEOUT_MS = 300;
constexpr const char* PROGRAM_MANAGER_TITLE = "Program Manager";

// "h" followed by the decimal handle: the key of a task's row and icon.
std::string TaskKey(uint32_t handle);
// The handle a TaskKey stands for (0 for anything else).
uint32_t HandleOfTaskKey(const std::string& key);
bool IsProgramManager(const std::string& title);

class TaskListModule {
public:
    explicit TaskListModule(TaskWindows& windows) : windows_(windows) {}

    // The switcher's own window: its owner is the program's hidden
    // application window, which is never a task.
    void SetTaskListWindow(uint32_t window) { taskListWindow_ = window; }

    // Empties the collection and fills it from a fresh enumeration, then
    // gives each task its icon.
    void RefreshTaskList();
    // Looks at one enumerated window; always goes on with the next.
    bool EnumTaskWindow(uint32_t window);
    // The icon a window answered with, else its class's small icon, else the
    // standard application icon.
    uint32_t GetTaskIcon(uint32_t window, uint32_t answered);

    const std::vector<ClassTaskInfo>& TaskCollection() const { return TaskCollection_; }

private:
    std::string TitleOf(uint32_t window, int& count);
    bool Listed(uint32_t window) const;
    void Add(uint32_t window, const std::string& title);

    TaskWindows& windows_;
    uint32_t taskListWindow_ = 0;
    uint32_t ownApp_ = 0;
    std::vector<ClassTaskInfo> TaskCollection_;
};

}  // namespace quorvel
