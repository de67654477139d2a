// Quorvel.exe: starts the hooks of "system.dat", sits hidden with its
// timers until "&Stop", then removes the hooks.
#include <windows.h>

#include "ControlProgram.h"
#include "DebugLine.h"
#include "ExitRequest.h"
#include "ExitSwitch.h"
#include "LibraryFiles.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "ProgramPaths.h"
#include "RegistryPreferences.h"
#include "TrayIcon.h"
#include "Win32FileSystem.h"
#include "TwoArchHookLibrary.h"
#include "Win32DragScroll.h"
#include "Win32ProgramShell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  using namespace quorvel;
  if (HasExitSwitch(commandLine ? commandLine : "")) return RunExitSwitch();
  const std::string directory = ProgramDirectoryOf(OwnModulePath());
  TwoArchHookLibrary library(directory + HookLibraryFileName, directory);
  Win32FileSystem files;
  Win32ProgramShell shell(library);
  ControlProgram program(library, files, shell);
  shell.Attach(program);
  Win32DragScroll dragScroll(library, &WriteDebugLine);
  shell.SetDragScrollHandler(&dragScroll.Handler());
  if (!program.Start()) return 0;
  // The icon, pause, exclusions and full-screen pause, once the hooks run.
  RegistryPreferences preferences;
  Win32EverydayShell everydayShell(program, shell, library);
  EverydayControl everyday(library, preferences, everydayShell);
  if (!program.ExitRequested()) {
    AutoClickForm* autoClick = shell.AutoClick();
    TrayFeatures& features = everyday.Features();
    TaskListForm* taskList = shell.TaskList();
    features.openTaskSwitcher = [taskList] {
      if (taskList->Window()) PostMessageA(taskList->Window(), TaskListMessage, 0, 0);
    };
    features.openAutoClick = [autoClick] {
      if (autoClick->Window()) PostMessageA(autoClick->Window(), AutoClickMessage, 0, 0);
    };
    features.dwellEnabled = [autoClick] { return autoClick->DwellEnabled(); };
    features.setDwellEnabled = [autoClick](bool on) { autoClick->SetDwellEnabled(on); };
    features.pausedChanged = [autoClick](bool paused) { autoClick->SetPaused(paused); };
    everydayShell.Attach(everyday);
    everyday.Start();
  }
  const int exitCode = RunMessageLoop();
  everyday.End();
  return exitCode;
}
