#include "BoundHookLibrary.h"

#include "common/win32/ModulePaths.h"
#include "common/win32/SafeLoading.h"
#include "control/core/LibraryFiles.h"
#include "control/core/ProgramPaths.h"
#include "Win32FileSystem.h"

namespace quorvel {

// Only a full path is loaded (never "system.dat" from the search path), on a
// drive or a network share. A library that does not load is replaced by the
// previous one, which is deleted only once a load has succeeded.
HMODULE BoundHookLibrary::LoadLibraryChecked() {
    if (!IsFullPath(libraryPath_)) return nullptr;
    const std::string folder = ProgramDirectoryOf(libraryPath_);
    const std::wstring path = WideOf(libraryPath_);
    Win32FileSystem files;
    HMODULE module = LoadLibraryByFullPath(path.c_str());
    if (!module && FallBackToPreviousLibrary(files, folder)) {
        module = LoadLibraryByFullPath(path.c_str());
    } else if (module) {
        files.Delete(folder + RETIRED_LIBRARY_FILE_NAME);
    }
    return module;
}

FARPROC BoundHookLibrary::Bind(HookExport which) {
    const size_t index = static_cast<size_t>(which);
    if (bindTried_[index]) return procs_[index];
    if (!loadTried_) {
        loadTried_ = true;
        module_ = LoadLibraryChecked();
    }
    if (!module_) return nullptr;  // without the library every call fails
    bindTried_[index] = true;
    procs_[index] = GetProcAddress(module_, HookExportName(which));
    return procs_[index];
}

#define QUORVEL_BOUND_METHOD(name, result, parameters, arguments) \
    result BoundHookLibrary::name parameters { return Caller<result>{this, HookExport::name} arguments; }
QUORVEL_HOOK_EXPORTS(QUORVEL_BOUND_METHOD)
#undef QUORVEL_BOUND_METHOD

}  // namespace quorvel
