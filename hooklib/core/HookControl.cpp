#include "HookControl.h"

#include "Architecture.h"
#include "DebugLog.h"
#include "WinConstants.h"

namespace quorvel {
namespace {

struct HookSlot {
    HookSlotKind kind;
    const char* refusal;
    const char* removed;
    int stopErrorCode;
};

// The order in which the hooks are removed.
const HookSlot HOOK_SLOTS[] = {
    {CallWndRetHookKind, "XXXXXXXXXXXXX StopHookFlag != 1 when unhook WH_CALLWNDPROCRET",
     "Successfully remove call ret routine", 4},
    {MouseHookKind, "XXXXXXXXXXXXX StopHookFlag != 1 when unhook WH_MOUSE",
     "Successfully remove get mouse message routine", 5},
    {GetMessageHookKind, "XXXXXXXXXXXXX StopHookFlag != 1 when unhook WH_GETMESSAGE",
     "Successfully remove getmessage routine", 6},
};

uint32_t Install(Context& ctx, int type, int errorCode, const char* errorFormat) {
    uint32_t hook = ctx.hooks.SetWindowsHook(type, ctx.process.ModuleHandle);
    if (!hook) WriteLogF(ctx, errorFormat, errorCode, ctx.hooks.GetLastError());
    return hook;
}

}  // namespace

int StartHook(Context& ctx) {
    SharedState& s = ctx.shared;
    WriteLog(ctx, "Enter function start");
    if (!OtherLibraryHooked(ctx)) {
        if (s.Paused == 1) WriteLog(ctx, "The record was left paused by an earlier run: running again");
        ClearEarlierRun(ctx);
    }
    uint32_t& callWndRet = s.*OwnHookField(ctx.process, CallWndRetHookKind);
    uint32_t& mouse = s.*OwnHookField(ctx.process, MouseHookKind);
    uint32_t& getMessage = s.*OwnHookField(ctx.process, GetMessageHookKind);
    callWndRet = Install(ctx, win::WH_CALLWNDPROCRET, 1,
                         "Error when starting Quorvel. Internal error code is : %d, System error code is : %x");
    mouse = Install(ctx, win::WH_MOUSE, 2,
                    "Error when starting Quorvel. Internal error code is : %d. System error code is : %0x");
    getMessage = Install(ctx, win::WH_GETMESSAGE, 3,
                         "Error when starting Quorvel. Internal error code is : %d. System error code is : %0x");
    const bool essential = mouse && callWndRet;
    MarkHooksInstalled(ctx, essential);
    WriteLog(ctx, "Leave function start");
    ctx.process.hooksInstalledHere = true;
    return essential ? 1 : 0;
}

int StopHook(Context& ctx) {
    SharedState& s = ctx.shared;
    WriteLog(ctx, "Enter function stop");
    for (const HookSlot& slot : HOOK_SLOTS) {
        uint32_t& handle = s.*OwnHookField(ctx.process, slot.kind);
        if (!handle) continue;
        if (s.StopHookFlag != 1) {
            WriteLog(ctx, slot.refusal);
            return 1;
        }
        if (ctx.hooks.UnhookWindowsHook(handle)) {
            WriteLog(ctx, slot.removed);
        } else {
            WriteLogF(ctx, "Error when stopping Quorvel. Internal error code is %d. Windows error code is : %x",
                      slot.stopErrorCode, ctx.hooks.GetLastError());
        }
        handle = 0;
    }
    MarkHooksRemoved(ctx);
    // With two libraries installed the record is reset once, when the last
    // set of hooks goes: the other library still works with it.
    if (OtherLibraryHooked(ctx)) {
        WriteLog(ctx, "The other library's hooks are still installed: shared state kept");
    } else {
        ResetSharedState(s);
    }
    WriteLog(ctx, "Leave function stop");
    return 1;
}

void SetStopHookFlag(Context& ctx) { ctx.shared.StopHookFlag = 1; }
void PauseQuorvel(Context& ctx) { ctx.shared.Paused = 1; }
void ResumeQuorvel(Context& ctx) { ctx.shared.Paused = 0; }

uint32_t SetMainWindowAndMessage(Context& ctx, uint32_t window, uint32_t message) {
    ctx.shared.MainWindow = window;
    ctx.shared.MainWindowMessage = message;
    return window;
}

void SetTaskListWindowAndMessage(Context& ctx, uint32_t window, uint32_t message) {
    ctx.shared.TaskListWindow = window;
    ctx.shared.TaskListMessage = message;
    WriteLogF(ctx, "Task list window handler : %x", window);
}

void SetAutoClickWindowAndMessage(Context& ctx, uint32_t window, uint32_t message) {
    ctx.shared.AutoClickWindow = window;
    ctx.shared.AutoClickMessage = message;
    WriteLogF(ctx, "Auto Click window handler : %x", window);
}

uint32_t SetPromptRestWindow(Context& ctx, uint32_t window) {
    ctx.shared.PromptRestWindow = window;
    return window;
}

uint32_t SetQuorvelWindowUserData(Context& ctx, uint32_t marker) {
    ctx.shared.OwnWindowMarker = marker;
    return marker;
}

void SetQuorvelVersion(Context& ctx, int32_t major, int32_t minor, int32_t build) {
    ctx.shared.VersionMajor = major;
    ctx.shared.VersionMinor = minor;
    ctx.shared.VersionBuild = build;
    WriteLogF(ctx, "Quorvel version %d.%d Build %d", major, minor, build);
    WriteLog(ctx, "-------------------------------------------\n");
}

void AddIEWindow(Context& ctx, uint32_t key) {
    uint32_t* table = ctx.shared.IEWindowTable;
    for (int i = 0; i < IE_WINDOW_TABLE_SIZE; ++i) {
        if (table[i] == key) return;
    }
    for (int i = 0; i < IE_WINDOW_TABLE_SIZE; ++i) {
        if (table[i] == 0) {
            table[i] = key;
            return;
        }
    }
}

void RemoveIEWindow(Context& ctx, uint32_t key) {
    uint32_t* table = ctx.shared.IEWindowTable;
    for (int i = 0; i < IE_WINDOW_TABLE_SIZE; ++i) {
        if (table[i] == key) {
            table[i] = 0;
            return;
        }
    }
}

}  // namespace quorvel
