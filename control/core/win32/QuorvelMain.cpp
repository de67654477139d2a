// Quorvel.exe: starts the hooks of "system.dat", sits hidden with its
// timers until "&Stop", then removes the hooks.
#include <windows.h>

#include "BoundHookLibrary.h"
#include "ControlProgram.h"
#include "DebugLine.h"
#include "LibraryFiles.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "ProgramPaths.h"
#include "Win32FileSystem.h"
#include "Win32DragScroll.h"
#include "Win32ProgramShell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quorvel;
  BoundHookLibrary library(ProgramDirectoryOf(OwnModulePath()) + HookLibraryFileName);
  Win32FileSystem files;
  Win32ProgramShell shell(library);
  ControlProgram program(library, files, shell);
  shell.Attach(program);
  Win32DragScroll dragScroll(library, &WriteDebugLine);
  shell.SetDragScrollHandler(&dragScroll.Handler());
  if (!program.Start()) return 0;
  return RunMessageLoop();
}
