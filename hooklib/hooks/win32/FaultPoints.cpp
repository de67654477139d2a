#include "hooklib/core/win32/FaultPoints.h"

#include "hooklib/core/win32/WindowsApi.h"

#include <cstring>

#include "hooklib/windowhooks/DialogTracking.h"
#include "hooklib/core/DebugLog.h"

namespace quorvel {
namespace {

volatile LONG g_read = 0;
unsigned g_selected = 0;
volatile LONG g_lockFaulted = 0;
int* volatile g_null = nullptr;
const char* volatile g_badText = reinterpret_cast<const char*>(16);

// One faulting instruction per site, so that each site has its own address.
template <int N>
__attribute__((noinline)) void NullWrite() {
    *g_null = N;
}

unsigned Bit(FaultSite site) { return 1u << static_cast<unsigned>(site); }

unsigned Selected() {
    if (InterlockedCompareExchange(&g_read, 1, 0) == 0) {
        char list[200] = {};
        GetEnvironmentVariableA("QUORVEL_FAULTS", list, sizeof list - 1);
        const struct {
            const char* name;
            FaultSite site;
        } names[] = {
            {"mouse", FaultSite::Mouse},           {"crt", FaultSite::Crt},   {"callwndret", FaultSite::CallWndRet},
            {"getmessage", FaultSite::GetMessage}, {"lock", FaultSite::Lock}, {"worker", FaultSite::Worker},
            {"sendhost", FaultSite::SendHost}};
        unsigned selected = 0;
        for (const auto& n : names) {
            if (std::strstr(list, n.name)) selected |= Bit(n.site);
        }
        g_selected = selected;
        InterlockedExchange(&g_read, 2);
    }
    return g_read == 2 ? g_selected : 0;
}

}  // namespace

void FaultPoint(FaultSite site, Context* ctx) {
    if (site == FaultSite::Lock && ctx) {
        // Every pass takes the lock; the first one in the process faults
        // while holding it, the later ones say they got it.
        DialogMapLock hold(*ctx);
        if ((Selected() & Bit(site)) == 0) return;
        if (InterlockedExchange(&g_lockFaulted, 1) == 0) NullWrite<1>();
        WriteLogF(*ctx, "XXX fault point: dialog lock taken by thread %u", static_cast<unsigned>(GetCurrentThreadId()));
        return;
    }
    if ((Selected() & Bit(site)) == 0) return;
    if (site == FaultSite::Crt) {
        ctx->clock.GetTickCount();
        volatile size_t n = std::strlen(g_badText);
        (void)n;
        return;
    }
    switch (site) {
        case FaultSite::Mouse: NullWrite<2>(); break;
        case FaultSite::CallWndRet: NullWrite<3>(); break;
        case FaultSite::GetMessage: NullWrite<4>(); break;
        default: NullWrite<5>(); break;
    }
}

void FaultSendToHost(void* window) {
    if (Selected() & Bit(FaultSite::SendHost)) SendMessageA(static_cast<HWND>(window), WM_APP + 1, 0, 0);
}

}  // namespace quorvel
