#include "ProcessAttach.h"

#include "hooklib/windowhooks/SmartMove.h"

namespace quorvel {

void OnProcessAttach(Context& ctx, uintptr_t moduleInstance, const WaitEvents& events) {
    ctx.process.OuterWaitEvent = events.outer;
    ctx.process.InnerWaitEvent = events.inner;
    ctx.process.ModuleHandle = moduleInstance;
    // This process's own paths: UTF-8, whatever the code page.
    char moduleName[INSTALL_PATH_MAX_CHARS + 2] = {};
    ctx.system.GetModulePathUtf8(moduleInstance, moduleName, sizeof moduleName);
    moduleName[sizeof moduleName - 1] = '\0';
    BuildInstallPaths(moduleName, ctx.process.InstallFolder, ctx.process.SetForegroundWindowPath);
    // Exactly one process (and thread) takes the pending first initialisation,
    // however many attach at once.
    if (__atomic_exchange_n(&ctx.shared.FirstInitPending, static_cast<Flag>(0), __ATOMIC_ACQ_REL) == 1) {
        FirstInitialisation(ctx, moduleInstance, events);
    }
    LoadDialogClicks(ctx);
}

}  // namespace quorvel
