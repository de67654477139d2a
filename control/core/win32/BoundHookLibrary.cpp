#include "BoundHookLibrary.h"

#include "control/core/LibraryFiles.h"
#include "Win32FileSystem.h"

namespace quorvel {

// Only a full path is loaded (never "system.dat" from the search path). A
// library that does not load is replaced by the previous one, which is
// deleted only once a load has succeeded.
HMODULE BoundHookLibrary::LoadLibraryChecked() {
    const size_t slash = libraryPath_.find_last_of('\\');
    if (slash == std::string::npos || libraryPath_.find(':') == std::string::npos) return nullptr;
    const std::string folder = libraryPath_.substr(0, slash + 1);
    Win32FileSystem files;
    HMODULE module = LoadLibraryExA(libraryPath_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module && FallBackToPreviousLibrary(files, folder)) {
        module = LoadLibraryExA(libraryPath_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
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
