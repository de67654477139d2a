#include "DialogTracking.h"

namespace quorvel {

ThreadDialogs FetchThreadDialogs(Context& ctx) {
    const uint32_t thread = ctx.clock.GetCurrentThreadId();
    DialogTables& t = ctx.process.dialogs;
    DialogMapLock hold(ctx);
    return ThreadDialogs{t.ThreadDialogStacks[thread], t.ThreadTrackedDialogs[thread], t.ThreadHiddenDialogs[thread]};
}

DialogClickMap& ProcessClicksLocked(Context& ctx) {
    return ctx.process.dialogs.ProcessDialogClicks[ctx.clock.GetCurrentProcessId()];
}

}  // namespace quorvel
