// What every piece of the library's logic works with: the platform, the
// shared record and this process's own state.
#pragma once

#include "Constants.h"
#include "Platform.h"
#include "ProcessState.h"
#include "SharedStateLife.h"

namespace quorvel {

struct Context {
    Platform& os;
    SharedState& shared;
    ProcessState& process;

    bool SettingOn(uint32_t bit) const { return (shared.Setting & bit) != 0; }
};

}  // namespace quorvel
