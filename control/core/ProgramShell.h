// What the control program's start and stop ask of the windowing side:
// finding a running instance, creating and unloading forms, and the main
// window's own set-up. The Win32 side implements it; tests fake it.
#pragma once

#include <cstdint>
#include <string>

#include "InstanceHandOver.h"

namespace quorvel {

enum class FormId { AutoClick, Animation, PromptRest, Main, TaskList };

class ProgramShell {
public:
    virtual ~ProgramShell() = default;

    virtual RunningInstance FindRunningInstance() = 0;
    virtual void WorkAreaSize(int& width, int& height) = 0;
    // Moves and shows the running instance's main window at origin, brings
    // it to the front and posts it INSTANCE_ACTIVATE_MESSAGE.
    virtual void HandOverTo(const ScreenPoint& origin) = 0;
    virtual std::string ModuleFileName() = 0;

    // Creates a form hidden and returns its window (0 when that form does
    // not exist in this build).
    virtual uint32_t CreateForm(FormId form) = 0;
    // Unloading the main form asks ControlProgram::OnMainFormUnload first.
    virtual void UnloadForm(FormId form) = 0;
    virtual void HideForm(FormId form) = 0;

    // Main form load.
    virtual void MarkMainWindow() = 0;  // GWL_USERDATA := OWN_WINDOW_MARKER
    virtual void SubclassMainWindow() = 0;
    virtual void ShowStart() = 0;
    virtual void StartMonitorClock() = 0;  // TimerMonitorRSI := 60000 ms
    virtual void ShowStartFailure(const std::string& text) = 0;
    virtual void RemoveCloseMenuItem() = 0;
};

}  // namespace quorvel
