#include "TaskListModule.h"

#include <cstdlib>

namespace quorvel {

std::string TaskKey(uint32_t handle) { return "h" + std::to_string(handle); }

uint32_t HandleOfTaskKey(const std::string& key) {
    if (key.size() < 2 || key[0] != 'h') return 0;
    return static_cast<uint32_t>(std::strtoul(key.c_str() + 1, nullptr, 10));
}

bool IsProgramManager(const std::string& title) { return title == PROGRAM_MANAGER_TITLE; }

void TaskListModule::RefreshTaskList() {
    TaskCollection_.clear();
    ownApp_ = taskListWindow_ ? windows_.Owner(taskListWindow_) : 0;
    for (uint32_t window : windows_.TopLevelWindows()) EnumTaskWindow(window);
    std::vector<uint32_t> windows;
    for (const ClassTaskInfo& task : TaskCollection_) windows.push_back(task.hwnd);
    const std::vector<uint32_t> answers =
        windows.empty() ? windows : windows_.SmallIcons(windows, TASK_ICONS_TIMEOUT_MS);
    for (size_t i = 0; i < TaskCollection_.size(); ++i) {
        TaskCollection_[i].icon = GetTaskIcon(TaskCollection_[i].hwnd, i < answers.size() ? answers[i] : 0);
    }
}

std::string TaskListModule::TitleOf(uint32_t window, int& count) {
    char buffer[TASK_TITLE_BUFFER_SIZE] = {};
    count = windows_.Text(window, buffer, TASK_TITLE_BUFFER_SIZE);
    if (count <= 0) return std::string();
    if (count > TASK_TITLE_BUFFER_SIZE - 1) count = TASK_TITLE_BUFFER_SIZE - 1;
    return std::string(buffer, static_cast<size_t>(count));
}

bool TaskListModule::Listed(uint32_t window) const {
    for (const ClassTaskInfo& task : TaskCollection_) {
        if (task.hwnd == window) return true;
    }
    return false;
}

void TaskListModule::Add(uint32_t window, const std::string& title) {
    ClassTaskInfo task;
    task.hwnd = window;
    task.title = title;
    TaskCollection_.push_back(task);
}

bool TaskListModule::EnumTaskWindow(uint32_t window) {
    if (window == ownApp_ || !windows_.IsVisible(window) || windows_.IsCloaked(window) ||
        windows_.IsDialogBox(window)) {
        return true;
    }
    int count = 0;
    const std::string title = TitleOf(window, count);
    if (IsProgramManager(title)) return true;
    TaskRect rect;
    if (!windows_.Rect(window, rect) || rect.bottom == rect.top || rect.left == rect.right) return true;
    if (count <= 0) return true;

    uint32_t owner = windows_.Owner(window);
    // The hidden application window owns all of this program's forms: a form
    // stands for itself, the hidden window is never a task.
    if (owner == ownApp_) owner = 0;
    if (owner) {
        // An owned window stands for its owner, listed once in the place of
        // the first of its owned windows.
        if (Listed(owner)) return true;
        int ownerCount = 0;
        Add(owner, TitleOf(owner, ownerCount));
        return true;
    }
    if (!Listed(window)) Add(window, title);
    return true;
}

uint32_t TaskListModule::GetTaskIcon(uint32_t window, uint32_t answered) {
    uint32_t result = answered;
    if (!result) result = windows_.ClassSmallIcon(window);
    if (!result) result = windows_.ApplicationIcon();
    return result;
}

}  // namespace quorvel
