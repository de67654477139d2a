// Fault points of the fault-injection build of the library (a test-only
// build, never the shipped system.dat). The environment variable
// QUORVEL_FAULTS of a process names the points that fault in it, e.g.
// "mouse,crt". In the shipped build the points are empty.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

enum class FaultSite {
    Mouse,       // null write in the mouse hook body
    Crt,         // a C runtime call made from the mouse hook body gets a bad pointer
    CallWndRet,  // null write in the call-window-procedure-return hook body
    GetMessage,  // null write in the get-message hook body
    Lock,        // null write while holding the dialog-table lock (first time in a process only)
    Worker,      // null write in a worker thread
    SendHost,    // the mouse hook body sends WM_APP + 1 to the window under the pointer
};

#if defined(QUORVEL_FAULT_POINTS)
void FaultPoint(FaultSite site, Context* ctx);
#define QUORVEL_FAULT_POINT(site, ctx) ::quorvel::FaultPoint(::quorvel::FaultSite::site, ctx)
void FaultSendToHost(void* window);
#define QUORVEL_FAULT_SEND(window) ::quorvel::FaultSendToHost(window)
#else
#define QUORVEL_FAULT_POINT(site, ctx) ((void)0)
#define QUORVEL_FAULT_SEND(window) ((void)0)
#endif

}  // namespace quorvel
