#include "ControlProgram.h"

#include "LibraryFiles.h"
#include "ProgramPaths.h"

namespace quorvel {

std::string StartFailureText() {
    return std::string(
               "Error when starting Quorvel. Please stop any other mouse enhancement software and try again. "
               "If this problem still exists, report a bug to ") +
           SUPPORT_ADDRESS + ".";
}

std::string SharedStateFailureText(uint32_t status) {
    if (status == SHARED_STATE_REFUSED) {
        return "Quorvel cannot share its state with your programs: another program has taken the name Quorvel "
               "keeps it under. Quorvel's shortcuts and other features cannot work while that program runs, so "
               "Quorvel ends now. Close the other program (or log off and on again) and start Quorvel again.";
    }
    return "Quorvel cannot share its state with your programs: Windows did not let it make the memory the "
           "programs share. Quorvel ends now; log off and on again, then start Quorvel again.";
}

bool ControlProgram::Start() {
    const RunningInstance running = shell_.FindRunningInstance();
    if (IsRunningInstance(running)) {
        int workWidth = 0, workHeight = 0;
        shell_.WorkAreaSize(workWidth, workHeight);
        shell_.HandOverTo(CentredOrigin(workWidth, workHeight, running.width, running.height));
        return false;
    }
    ProgramDirectory_ = ProgramDirectoryOf(shell_.ModuleFileName());
    RefreshHookLibraryFile(files_, ProgramDirectory_);
    DeleteUpgradeLeftovers(files_, ProgramDirectory_);
    // The first call into the library loads it: after the refresh.
    library_.SetQuorvelVersion(VERSION_MAJOR, VERSION_MINOR, VERSION_REVISION);
    library_.SetQuorvelWindowUserData(OWN_WINDOW_MARKER);
    shell_.CreateForm(FormId::Animation);
    library_.SetPromptRestWindow(shell_.CreateForm(FormId::PromptRest));
    if (const uint32_t autoClick = shell_.CreateForm(FormId::AutoClick)) {
        library_.SetAutoClickWindowAndMessage(autoClick, AUTO_CLICK_MESSAGE);
    }
    if (const uint32_t taskList = shell_.CreateForm(FormId::TaskList)) {
        library_.SetTaskListWindowAndMessage(taskList, TASK_LIST_MESSAGE);
    }
    OnMainFormLoad(shell_.CreateForm(FormId::Main));
    if (ExitRequested_) shell_.UnloadForm(FormId::Main);
    return true;
}

void ControlProgram::OnMainFormLoad(uint32_t mainWindow) {
    ExitRequested_ = false;
    shell_.MarkMainWindow();
    if (library_.startHook() == 1) {
        library_.SetMainWindowAndMessage(mainWindow, DRAG_SCROLL_STEP_MESSAGE);
        shell_.SubclassMainWindow();
        shell_.ShowStart();
        shell_.StartMonitorClock();
    } else {
        const uint32_t shared = library_.GetSharedStateStatus();
        shell_.ShowStartFailure(shared == SHARED_STATE_REFUSED || shared == SHARED_STATE_UNAVAILABLE
                                    ? SharedStateFailureText(shared)
                                    : StartFailureText());
        ExitRequested_ = true;
        shell_.UnloadForm(FormId::AutoClick);
        shell_.UnloadForm(FormId::TaskList);
        shell_.UnloadForm(FormId::Animation);
        shell_.UnloadForm(FormId::PromptRest);
    }
    shell_.RemoveCloseMenuItem();
}

bool ControlProgram::OnMainFormUnload() {
    if (!ExitRequested_) {
        shell_.HideForm(FormId::Main);
        return true;
    }
    // The library refuses to remove the hooks until the stop flag is set.
    library_.SetStopHookFlag();
    library_.stopHook();
    KeepPristineLibraryCopy(files_, ProgramDirectory_);
    return false;
}

void ControlProgram::Stop() {
    ExitRequested_ = true;
    shell_.HideForm(FormId::Main);
    shell_.UnloadForm(FormId::AutoClick);
    shell_.UnloadForm(FormId::TaskList);
    shell_.UnloadForm(FormId::Main);
    shell_.UnloadForm(FormId::Animation);
    shell_.UnloadForm(FormId::PromptRest);
}

}  // namespace quorvel
