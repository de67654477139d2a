// Quorvel.exe: starts the hooks of "system.dat", sits hidden with its
// timers until "&Stop", then removes the hooks.
#include <windows.h>

#include "ControlProgram.h"
#include "LibraryFiles.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "ProgramPaths.h"
#include "Win32FileSystem.h"
#include "TwoArchHookLibrary.h"
#include "Win32ProgramShell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quorvel;
  const std::string directory = ProgramDirectoryOf(OwnModulePath());
  TwoArchHookLibrary library(directory + HookLibraryFileName, directory);
  Win32FileSystem files;
  Win32ProgramShell shell(library);
  ControlProgram program(library, files, shell);
  shell.Attach(program);
  if (!program.Start()) return 0;
  return RunMessageLoop();
}
