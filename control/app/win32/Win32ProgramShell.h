// The windowing side of the control program's start and stop: owns the
// forms, finds a running instance and hands over to it.
#pragma once

#include <memory>

#include "control/core/win32/AnimationForm.h"
#include "control/taskswitcher/win32/ApplicationWindow.h"
#include "control/core/win32/AutoClickForm.h"
#include "control/core/ControlProgram.h"
#include "control/core/win32/MainForm.h"
#include "control/core/win32/PromptRestForm.h"
#include "control/core/ProgramShell.h"
#include "control/taskswitcher/win32/TaskListForm.h"

namespace quorvel {

class Win32ProgramShell : public ProgramShell {
public:
    Win32ProgramShell(HookLibrary& library, Clock& clock);
    // The forms are made once the program they report to exists.
    void Attach(ControlProgram& program);
    // Browser drag-to-scroll steps reaching the main window go here.
    void SetDragScrollHandler(DragScrollHandler* handler) { main_->SetDragScrollHandler(handler); }
    void SetLaunchRequests(LaunchRequests* launches) { main_->SetLaunchRequests(launches); }
    void SetQuietTime(const std::function<bool()>& quiet) {
        main_->SetQuietTime(quiet);
        autoClick_.SetQuietTime(quiet);
    }

    RunningInstance FindRunningInstance() override;
    void WorkAreaSize(int& width, int& height) override;
    void HandOverTo(const ScreenPoint& origin) override;
    std::string ModuleFileName() override;
    uint32_t CreateForm(FormId form) override;
    void UnloadForm(FormId form) override;
    void HideForm(FormId form) override;
    void MarkMainWindow() override;
    void SubclassMainWindow() override;
    void ShowStart() override;
    void StartMonitorClock() override;
    void ShowStartFailure(const std::string& text) override;
    void RemoveCloseMenuItem() override;

    AutoClickForm* AutoClick() { return &autoClick_; }
    TaskListForm* TaskList() { return &taskList_; }
    ProgramHotkeys Hotkeys() { return {&autoClick_.Hotkey(), &taskList_.Hotkey()}; }

private:
    Form* FormOf(FormId form);

    HookLibrary& library_;
    Clock& clock_;
    HWND runningInstance_ = nullptr;
    ApplicationWindow application_;  // owns the task switcher's window
    AnimationForm animation_;
    PromptRestForm prompt_;
    AutoClickForm autoClick_;
    std::unique_ptr<MainForm> main_;
    TaskListForm taskList_;
};

// Removes the Close item of the window's system menu, so the window has no
// Close command, no working close box and no Alt+F4.
void RemoveCloseMenuItem(HWND window);

}  // namespace quorvel
