#include "LibraryFiles.h"

#include "LibraryImage.h"

namespace quorvel {

namespace {

// Copies `from` to `to` by way of a temporary name: the copy is checked and
// then renamed into place with write-through, so `to` is either its old self
// or a complete good library, never a torn one.
bool CopyChecked(FileSystem& files, const std::string& from, const std::string& to, const std::string& expected) {
    const std::string temporary = to + ".new";
    if (files.Exists(temporary)) files.Delete(temporary);
    std::string copied;
    if (!files.Copy(from, temporary, false) || !files.Read(temporary, &copied) || copied != expected ||
        !files.Replace(temporary, to)) {
        files.Delete(temporary);
        return false;
    }
    return true;
}

}  // namespace

void RefreshHookLibraryFile(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return;  // never work in the current directory
    const std::string library = programDirectory + HOOK_LIBRARY_FILE_NAME;
    const std::string pristine = programDirectory + PRISTINE_LIBRARY_FILE_NAME;
    const std::string retired = programDirectory + RETIRED_LIBRARY_FILE_NAME;
    std::string candidate;
    if (!files.Exists(pristine) || !files.Read(pristine, &candidate)) return;
    // A torn or foreign "system2.dat" never replaces the library.
    if (!LooksLikeHookLibrary(candidate)) return;
    // A previous library that survived its run because the load after it
    // failed, or that is still mapped, goes now if it can.
    if (files.Exists(retired)) files.Delete(retired);
    if (files.Exists(library) && !files.Exists(retired)) files.Move(library, retired);
    if (CopyChecked(files, pristine, library, candidate)) return;
    // Nothing usable in place: put the previous library back.
    if (files.Exists(retired)) files.Replace(retired, library);
}

bool FallBackToPreviousLibrary(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return false;
    const std::string retired = programDirectory + RETIRED_LIBRARY_FILE_NAME;
    return files.Exists(retired) && files.Replace(retired, programDirectory + HOOK_LIBRARY_FILE_NAME);
}

void KeepPristineLibraryCopy(FileSystem& files, const std::string& programDirectory) {
    if (programDirectory.empty()) return;
    const std::string library = programDirectory + HOOK_LIBRARY_FILE_NAME;
    const std::string pristine = programDirectory + PRISTINE_LIBRARY_FILE_NAME;
    std::string existing, current;
    // An existing good copy is kept; a torn or foreign one is replaced by the
    // library that has just run.
    if (files.Exists(pristine) && files.Read(pristine, &existing) && LooksLikeHookLibrary(existing)) return;
    if (!files.Read(library, &current) || !LooksLikeHookLibrary(current)) return;
    CopyChecked(files, library, pristine, current);
}

}  // namespace quorvel
