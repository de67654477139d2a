#include "LaunchRequest.h"

#include "DebugLog.h"
#include "OwnProgramWindow.h"
#include "WindowClassification.h"
#include "common/Messages.h"

namespace quorvel {

bool RequestLaunch(Context& ctx, uint32_t action) {
    const Hwnd main = ctx.shared.MainWindow;
    // The record names the main window; only Quorvel.exe's own is asked.
    if (main == 0 || !IsOwnMainWindow(ctx, main) || !IsQuorvelProgramWindow(ctx, main)) {
        WriteLogF(ctx, "No Quorvel main window: nothing started for request %u", action);
        return false;
    }
    return ctx.messages.PostMessage(main, LAUNCH_REQUEST_MESSAGE, action, 0);
}

}  // namespace quorvel
