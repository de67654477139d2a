#include "LibraryFiles.h"

namespace quorvel {

void RefreshHookLibraryFile(FileSystem& files, const std::string& programDirectory) {
  const std::string library = programDirectory + HookLibraryFileName;
  const std::string pristine = programDirectory + PristineLibraryFileName;
  const std::string retired = programDirectory + RetiredLibraryFileName;
  if (!files.Exists(pristine)) return;
  if (files.Exists(retired)) files.Delete(retired);
  if (files.Exists(library)) files.Move(library, retired);
  if (files.Copy(pristine, library, false)) return;
  // The copy failed after the library was moved away: put it back so that
  // the hooks can still start.
  if (!files.Exists(library) && files.Exists(retired)) files.Move(retired, library);
}

void KeepPristineLibraryCopy(FileSystem& files, const std::string& programDirectory) {
  files.Copy(programDirectory + HookLibraryFileName, programDirectory + PristineLibraryFileName, true);
}

}  // namespace quorvel
