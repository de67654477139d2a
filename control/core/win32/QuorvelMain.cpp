// Quorvel.exe: starts the hooks of "system.dat", sits hidden with its
// timers until "&Stop", then removes the hooks.
#include <windows.h>

#include "BoundHookLibrary.h"
#include "ControlProgram.h"
#include "ExitRequest.h"
#include "ExitSwitch.h"
#include "LibraryFiles.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "ProgramPaths.h"
#include "Win32FileSystem.h"
#include "Win32ProgramShell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  using namespace quorvel;
  if (HasExitSwitch(commandLine ? commandLine : "")) return RunExitSwitch();
  BoundHookLibrary library(ProgramDirectoryOf(OwnModulePath()) + HookLibraryFileName);
  Win32FileSystem files;
  Win32ProgramShell shell(library);
  ControlProgram program(library, files, shell);
  shell.Attach(program);
  if (!program.Start()) return 0;
  return RunMessageLoop();
}
