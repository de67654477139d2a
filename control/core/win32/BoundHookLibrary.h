// The hook library "system.dat" of the program folder, loaded and bound
// export by export at the first call of each, never at program load. A
// missing library or export makes the call fail: it returns 0.
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>

#include "control/core/HookLibrary.h"

namespace quorvel {

class BoundHookLibrary : public HookLibrary {
public:
    // libraryPath: full, in UTF-8.
    explicit BoundHookLibrary(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

#define QUORVEL_BOUND_METHOD(name, result, parameters, arguments) result name parameters override;
    QUORVEL_HOOK_EXPORTS(QUORVEL_BOUND_METHOD)
#undef QUORVEL_BOUND_METHOD

private:
    FARPROC Bind(HookExport which);
    HMODULE LoadLibraryChecked();
    // Calls the export when it is bound; an unbound one answers 0.
    template <typename Result, typename... Arguments>
    Result Call(HookExport which, Arguments... arguments) {
        using Function = Result(__stdcall*)(Arguments...);
        auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(Bind(which)));
        if constexpr (std::is_void_v<Result>) {
            if (function) function(arguments...);
        } else {
            return function ? function(arguments...) : Result{};
        }
    }
    // Call() with the export chosen first and the arguments given after.
    template <typename Result>
    struct Caller {
        BoundHookLibrary* library;
        HookExport which;
        template <typename... Arguments>
        Result operator()(Arguments... arguments) const {
            return library->Call<Result>(which, arguments...);
        }
    };

    std::string libraryPath_;
    HMODULE module_ = nullptr;  // kept for the program's life: the hooks run from it
    bool loadTried_ = false;
    FARPROC procs_[HOOK_EXPORT_COUNT] = {};
    bool bindTried_[HOOK_EXPORT_COUNT] = {};
};

}  // namespace quorvel
