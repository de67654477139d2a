// Quorvel.exe: starts the hooks of "system.dat", sits hidden with its
// timers until "&Stop", then removes the hooks.
#include <windows.h>
#include <objbase.h>

#include "common/win32/SafeLoading.h"

#include "control/core/ControlProgram.h"
#include "control/core/win32/DebugLine.h"
#include "control/core/win32/Elevation.h"
#include "control/core/ExitRequest.h"
#include "control/core/win32/ExitSwitch.h"
#include "control/core/LibraryFiles.h"
#include "control/core/win32/MessageLoop.h"
#include "control/core/win32/ModulePath.h"
#include "control/core/ProgramPaths.h"
#include "control/core/win32/RegistryPreferences.h"
#include "control/core/win32/TrayIcon.h"
#include "control/core/win32/Win32DesktopWatch.h"
#include "control/core/win32/Win32FileSystem.h"
#include "control/core/win32/TwoArchHookLibrary.h"
#include "control/core/win32/Win32Clock.h"
#include "control/core/win32/Win32ProgramStarter.h"
#include "control/dragscroll/win32/Win32DragScroll.h"
#include "Win32ProgramShell.h"

namespace {

// COM in this process (the drag-to-scroll receiver asks browser windows for
// their pages): no object another program hands over may bring its own
// marshalling code in (EOAC_NO_CUSTOM_MARSHAL), whatever the process holds.
class ComSecurity {
public:
    ComSecurity() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IDENTIFY,
                             nullptr, EOAC_NO_CUSTOM_MARSHAL, nullptr);
    }
    ~ComSecurity() {
        if (initialised_) CoUninitialize();
    }
    ComSecurity(const ComSecurity&) = delete;
    ComSecurity& operator=(const ComSecurity&) = delete;

private:
    bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace quorvel;
    // Before anything is loaded at run time: system libraries come from the
    // system folder only (a portable copy may lie among other downloads).
    SearchSystemFolderOnly();
    const ComSecurity com;
    Win32Clock clock;
    const std::string switches = commandLine ? commandLine : "";
    if (HasExitSwitch(switches)) return RunExitSwitch(clock);
    // "Restart with administrator rights": this start takes the running
    // instance's place.
    if (HasCommandSwitch(switches, TAKE_OVER_SWITCH)) RunExitSwitch(clock);
    const std::string directory = ProgramDirectoryOf(OwnModulePath());
    TwoArchHookLibrary library(directory + HOOK_LIBRARY_FILE_NAME, directory, clock);
    Win32FileSystem files;
    Win32ProgramShell shell(library, clock);
    ControlProgram program(library, files, shell);
    shell.Attach(program);
    Win32DragScroll dragScroll(library, &WriteDebugLine);
    shell.SetDragScrollHandler(&dragScroll.Handler());
    Win32ProgramStarter starter;
    LaunchRequests launches(starter, clock, directory);
    shell.SetLaunchRequests(&launches);
    if (!program.Start()) return 0;
    // The icon, pause, exclusions and full-screen pause, once the hooks run.
    RegistryPreferences preferences;
    Win32EverydayShell everydayShell(program, shell, library);
    EverydayControl everyday(library, preferences, everydayShell);
    // The monitors and Windows' word on full-screen programs, for the hooks;
    // the notices and dwell keep quiet as the hooks do.
    Win32DesktopWatch desktop(library, clock);
    const std::function<bool()> quiet = [&desktop, &everyday] {
        return desktop.FullScreen() && everyday.Preferences().fullScreenPause;
    };
    library.SetQuietTime(quiet);
    shell.SetQuietTime(quiet);
    if (!program.ExitRequested()) {
        desktop.Start();
        AutoClickForm* autoClick = shell.AutoClick();
        TrayFeatures& features = everyday.Features();
        TaskListForm* taskList = shell.TaskList();
        features.openTaskSwitcher = [taskList](bool byKeyboard) {
            if (!taskList->Visible()) {
                taskList->ShowTasks(byKeyboard ? TaskListOpener::Keyboard : TaskListOpener::Mouse);
            }
        };
        features.openAutoClick = [autoClick](const ScreenPoint* clickAt) {
            if (clickAt) {
                autoClick->OpenAt(*clickAt);
            } else {
                autoClick->ProcessAutoClickActivate();
            }
        };
        features.dwellEnabled = [autoClick] { return autoClick->DwellEnabled(); };
        features.setDwellEnabled = [autoClick](bool on) { autoClick->SetDwellEnabled(on); };
        features.pausedChanged = [autoClick](bool paused) { autoClick->SetPaused(paused); };
        everydayShell.SetHotkeys(shell.Hotkeys());
        features.autoStart = [] { return ReadAutoStart(); };
        features.setAutoStart = [](bool on) { return WriteAutoStart(on); };
        if (!RunningElevated()) features.restartElevated = [] { RestartWithAdministratorRights(); };
        features.explain = [](const std::string& text) {
            MessageBoxA(nullptr, text.c_str(), PROGRAM_TITLE, MB_OK | MB_ICONINFORMATION);
        };
        everydayShell.Attach(everyday);
        everyday.OnBrowserProgramsChanged(
            [&dragScroll](const std::string& packed) { dragScroll.SetBrowserPrograms(packed); });
        everyday.Start();
        // A hotkey that could not be had is told from the icon (and the
        // settings form says it too), not only in the trace.
        const std::string hotkeys = HotkeyNotice({&autoClick->Hotkey(), &taskList->Hotkey()});
        if (!hotkeys.empty()) everyday.Notify("Quorvel: a hotkey does not work", hotkeys);
    }
    const int exitCode = RunMessageLoop();
    everyday.End();
    return exitCode;
}
