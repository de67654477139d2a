// "Tessary", the main form: the hidden control panel with its four buttons,
// the rest-reminder timers and the main window procedure.
#pragma once

#include <functional>

#include "control/core/Clock.h"
#include "control/core/ControlProgram.h"
#include "control/core/DragScrollSeam.h"
#include "control/core/FormTables.h"
#include "Form.h"
#include "FormTimer.h"
#include "control/core/HookLibrary.h"
#include "control/core/Hotkeys.h"
#include "control/core/LaunchRequests.h"
#include "PromptRestForm.h"
#include "control/core/RestPromptWait.h"

namespace quorvel {

class MainForm : public Form {
public:
    MainForm(ControlProgram& program, HookLibrary& library, PromptRestForm& prompt, Clock& clock);
    ~MainForm() override;

    void StartMonitorClock();
    // Replaces the window procedure with MainWindowProcedure.
    void SubclassWindow();
    // The drag-to-scroll module, once there is one; until then the drag
    // messages do nothing.
    void SetDragScrollHandler(DragScrollHandler* handler) { dragScroll_ = handler; }
    // Programs the hooks ask for (LAUNCH_REQUEST_MESSAGE) go here.
    void SetLaunchRequests(LaunchRequests* launches) { launches_ = launches; }
    // The hotkeys the settings form shows.
    void SetHotkeys(const ProgramHotkeys& hotkeys) { hotkeys_ = hotkeys; }
    // While it answers true (a full-screen program in front, the user's
    // full-screen pause on) the rest reminder waits.
    void SetQuietTime(std::function<bool()> quiet) { quiet_ = std::move(quiet); }

protected:
    void OnClick(int control) override;
    // Not "&Stop": a stray Space or Enter must never end the program.
    int FirstFocus() const override { return Command1; }
    bool OnQueryUnload() override;
    void OnUnloaded() override;

private:
    static LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnDragScrollStep(WPARAM wParam, LPARAM lParam);
    LRESULT OnForgetActiveFrame(LPARAM lParam);
    // Shown in the middle of the work area and brought to the front.
    void ShowCentred();
    void ShowSettings();
    void ShowHelp();
    void OnTimerMonitorRSI();
    void OnTimerPromptUserToRest();

    ControlProgram& program_;
    HookLibrary& library_;
    PromptRestForm& prompt_;
    Clock& clock_;
    DragScrollHandler* dragScroll_ = nullptr;
    LaunchRequests* launches_ = nullptr;
    ProgramHotkeys hotkeys_;
    std::function<bool()> quiet_;
    RestPromptWait wait_;
    FormTimer TimerMonitorRSI;
    FormTimer TimerPromptUserToRest;
};

}  // namespace quorvel
