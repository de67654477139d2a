// The exports of the hook library "system.dat" as the control program calls
// them: one method per export of the shared list.
#pragma once

#include <cstdint>

#include "common/HookExports.h"

namespace quorvel {

class HookLibrary {
public:
    virtual ~HookLibrary() = default;

#define QUORVEL_HOOK_LIBRARY_METHOD(name, result, parameters, arguments) virtual result name parameters = 0;
    QUORVEL_HOOK_EXPORTS(QUORVEL_HOOK_LIBRARY_METHOD)
#undef QUORVEL_HOOK_LIBRARY_METHOD
};

}  // namespace quorvel
