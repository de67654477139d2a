// What the hook procedures and the features they dispatch to work with: the
// platform's roles, the shared record and this process's own state. A
// function that needs only a role or two takes those instead.
#pragma once

#include "Constants.h"
#include "Platform.h"
#include "ProcessState.h"
#include "SharedStateLife.h"

namespace quorvel {

struct Context {
    // `platform` serves every role: the Win32 platform, the fake desktop.
    template <typename AllRoles>
    Context(AllRoles& platform, SharedState& sharedState, ProcessState& processState)
        : windows(platform),
          processes(platform),
          input(platform),
          messages(platform),
          clock(platform),
          system(platform),
          registry(platform),
          files(platform),
          shell(platform),
          hooks(platform),
          shared(sharedState),
          process(processState) {}

    Windows& windows;
    Processes& processes;
    Input& input;
    Messages& messages;
    Clock& clock;
    System& system;
    Registry& registry;
    Files& files;
    Shell& shell;
    Hooks& hooks;
    SharedState& shared;
    ProcessState& process;

    bool SettingOn(uint32_t bit) const { return (shared.Setting & bit) != 0; }
};

}  // namespace quorvel
