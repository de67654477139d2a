// guardtest.exe: faults inside the library's exception guard and reports
// whether the process survived. Two threads fault at once, one with a null
// read, one with an integer division by zero; a third body throws a C++
// exception. Each fault must write one block to QuorvelExceptionLog.txt in
// this program's folder (with Util.dat's sections when Util.dat is beside
// it) and return to the guard. Then, on the main thread: a fault inside a C
// runtime function called from a guarded body, a fault in a window procedure
// the body sent a message to, and a window procedure with a frame-based
// handler of its own (as a host program has) that must get its own fault
// before the guard around the sending body sees anything; and three stack
// overflows in a row on one thread, each reported with its code once the
// stack is back. Prints one line per body, then "survived".
#include "hooklib/core/win32/WindowsApi.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "hooklib/core/ExceptionReport.h"
#include "common/SharedState.h"
#include "common/Text.h"
#include "hooklib/core/win32/ExceptionGuard.h"
#include "hooklib/core/win32/UtilTexts.h"
#include "hooklib/core/win32/Win32Platform.h"
#include "HostHandler.h"

namespace {

quorvel::Win32Platform g_os;
quorvel::SharedState g_shared;
quorvel::ProcessState g_process;
quorvel::Context g_ctx{g_os, g_shared, g_process};

void Report(EXCEPTION_POINTERS* pointers) {
    quorvel::ExceptionFacts facts;
    facts.code = pointers->ExceptionRecord->ExceptionCode;
    facts.address = reinterpret_cast<uintptr_t>(pointers->ExceptionRecord->ExceptionAddress);
    quorvel::UtilTexts texts(g_process.InstallFolder, pointers);
    quorvel::WriteExceptionReport(g_ctx, facts, texts.Available() ? &texts : nullptr);
}

volatile int* volatile g_null = nullptr;
volatile int g_zero = 0;
volatile int g_sink = 0;

void NullRead(void*) { g_sink = *g_null; }
void DivideByZero(void*) { g_sink = 100 / g_zero; }
void Throw(void*) { throw std::runtime_error("thrown inside the guard"); }
void Nothing(void*) {}
const char* volatile g_badText = reinterpret_cast<const char*>(16);
void CrtFault(void*) { g_sink = static_cast<int>(std::strlen(g_badText)); }

// Three stack overflows in a row on one thread: each is caught only while
// the stack has its guard page back.
__attribute__((noinline)) int Deeper(int n) {
    volatile char room[512];
    room[0] = static_cast<char>(n);
    return Deeper(n + 1) + room[0];
}
void Overflow(void*) { g_sink = Deeper(0); }
DWORD WINAPI OverflowThrice(LPVOID caught) {
    for (int i = 0; i < 3; ++i) *static_cast<int*>(caught) += quorvel::RunGuarded(Overflow, nullptr) ? 0 : 1;
    return 0;
}

// Wine's 64-bit loader has no stack left to dispatch an overflow to any
// handler (it ends the thread); Windows keeps room for that.
bool OverflowsDispatched() {
    return sizeof(void*) == 4 || !GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
}

// The host's own handler: its window procedure writes to a page it keeps
// read-only and, at the fault, makes the page writable and carries on.
constexpr UINT WM_HOST_OWN_FAULT = WM_APP + 1;
constexpr UINT WM_HOST_PLAIN_FAULT = WM_APP + 2;
char* g_lazyPage = nullptr;
volatile int g_hostHandled = 0;

LONG HostFilter(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD* r = pointers->ExceptionRecord;
    if (r->ExceptionCode != EXCEPTION_ACCESS_VIOLATION ||
        r->ExceptionInformation[1] != reinterpret_cast<ULONG_PTR>(g_lazyPage)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    DWORD old;
    VirtualProtect(g_lazyPage, 4096, PAGE_READWRITE, &old);
    ++g_hostHandled;
    return EXCEPTION_CONTINUE_EXECUTION;
}

LRESULT WriteLazyPage(void*) {
    *reinterpret_cast<volatile int*>(g_lazyPage) = 42;
    return 0;
}

LRESULT CALLBACK HostWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_HOST_OWN_FAULT) {
        HostTry(HostFilter, WriteLazyPage, nullptr);
        return 7;
    }
    if (m == WM_HOST_PLAIN_FAULT) {
        *const_cast<int*>(g_null) = 1;
        return 7;
    }
    return DefWindowProcA(w, m, wp, lp);
}

HWND g_hostWindow = nullptr;
LRESULT g_sendResult = 0;
void SendOwnFault(void*) { g_sendResult = SendMessageA(g_hostWindow, WM_HOST_OWN_FAULT, 0, 0); }
void SendPlainFault(void*) { g_sendResult = SendMessageA(g_hostWindow, WM_HOST_PLAIN_FAULT, 0, 0); }

struct Job {
    const char* name;
    void (*body)(void*);
    bool completed;
};

DWORD WINAPI RunJob(LPVOID p) {
    auto* job = static_cast<Job*>(p);
    job->completed = quorvel::RunGuarded(job->body, nullptr);
    return 0;
}

}  // namespace

int main() {
    quorvel::InitialiseSharedState(g_shared);
    g_shared.FirstInitPending = 0;
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (char* slash = std::strrchr(exe, '\\')) slash[1] = '\0';
    quorvel::CopyText(g_shared.InstallPath, sizeof g_shared.InstallPath, exe);
    quorvel::CopyText(g_process.InstallFolder, sizeof g_process.InstallFolder, exe);
    g_shared.VersionMajor = 2;
    g_shared.VersionMinor = 1;
    g_shared.VersionBuild = 20;
    g_process.ModuleHandle = reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr));
    if (!quorvel::InstallExceptionGuard(Report)) {
        std::printf("guard not installed\n");
        return 1;
    }
    Job jobs[] = {{"null read", NullRead, true}, {"divide by zero", DivideByZero, true}};
    HANDLE threads[2];
    for (int i = 0; i < 2; ++i) threads[i] = CreateThread(nullptr, 0, RunJob, &jobs[i], 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, 20000);
    for (const Job& job : jobs) std::printf("%s: %s\n", job.name, job.completed ? "completed" : "caught");
    std::printf("exception: %s\n", quorvel::RunGuarded(Throw, nullptr) ? "completed" : "caught");
    std::printf("plain: %s\n", quorvel::RunGuarded(Nothing, nullptr) ? "completed" : "caught");
    std::printf("crt fault: %s\n", quorvel::RunGuarded(CrtFault, nullptr) ? "completed" : "caught");
    int overflows = 0;
    if (OverflowsDispatched()) {
        HANDLE deep =
            CreateThread(nullptr, 256 * 1024, OverflowThrice, &overflows, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
        WaitForSingleObject(deep, 60000);
        CloseHandle(deep);
        std::printf("stack overflows caught: %d\n", overflows);
    } else {
        std::printf("stack overflows: not dispatched here\n");
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GuardTestHost";
    RegisterClassA(&wc);
    g_hostWindow =
        CreateWindowA("GuardTestHost", "host", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    g_lazyPage = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READONLY));
    bool done = quorvel::RunGuarded(SendOwnFault, nullptr);
    std::printf("host handler: %s, send %s result %d\n", g_hostHandled == 1 ? "own fault" : "missed",
                done ? "completed" : "caught", static_cast<int>(g_sendResult));
    g_sendResult = 0;
    done = quorvel::RunGuarded(SendPlainFault, nullptr);
    std::printf("faulting window procedure: %s\n", done ? "completed" : "caught");
    // The process is still alive:
    std::printf("survived\n");
    std::fflush(stdout);
    return 0;
}
