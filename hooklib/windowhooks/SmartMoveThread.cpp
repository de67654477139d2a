#include "SmartMoveThread.h"

#include <new>

#include "SmartMove.h"

namespace quorvel {
namespace {

struct SmartMoveJob {
    Context* ctx;
    Hwnd dialog;
};

uint32_t SmartMoveThreadEntry(void* argument) {
    SmartMoveJob job = *static_cast<SmartMoveJob*>(argument);
    delete static_cast<SmartMoveJob*>(argument);
    return SmartMoveThread(*job.ctx, job.dialog);
}

}  // namespace

uint32_t SmartMoveThread(Context& ctx, Hwnd dialog) {
    if (ctx.SettingOn(SETTING_SMART_MOVE)) MoveCursorToDialog(ctx, dialog);
    return 0;
}

bool StartSmartMoveThread(Context& ctx, Hwnd dialog) {
    auto* job = new (std::nothrow) SmartMoveJob{&ctx, dialog};
    if (!job) return false;
    if (ctx.clock.StartThread(SmartMoveThreadEntry, job)) return true;
    delete job;
    return false;
}

}  // namespace quorvel
