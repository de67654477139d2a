// guardtest.exe: faults inside the library's exception guard and reports
// whether the process survived. Two threads fault at once, one with a null
// read, one with an integer division by zero; a third body throws a C++
// exception. Each fault must write one block to QuorvelExceptionLog.txt in
// this program's folder (with Util.dat's sections when Util.dat is beside
// it) and return to the guard. Prints one line per body, then "survived".
#include "WindowsApi.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "../../../hooklib/core/ExceptionReport.h"
#include "../../../hooklib/core/SharedState.h"
#include "ExceptionGuard.h"
#include "UtilTexts.h"
#include "Win32Platform.h"

namespace {

quorvel::Win32Platform g_os;
quorvel::SharedState g_shared;
quorvel::ProcessState g_process;
quorvel::Context g_ctx{g_os, g_shared, g_process};

void Report(EXCEPTION_POINTERS* pointers) {
    quorvel::ExceptionFacts facts;
    facts.code = pointers->ExceptionRecord->ExceptionCode;
    facts.address = reinterpret_cast<uintptr_t>(pointers->ExceptionRecord->ExceptionAddress);
    quorvel::UtilTexts texts(g_shared.InstallPath, pointers);
    quorvel::WriteExceptionReport(g_ctx, facts, texts.Available() ? &texts : nullptr);
}

volatile int* volatile g_null = nullptr;
volatile int g_zero = 0;
volatile int g_sink = 0;

void NullRead(void*) { g_sink = *g_null; }
void DivideByZero(void*) { g_sink = 100 / g_zero; }
void Throw(void*) { throw std::runtime_error("thrown inside the guard"); }
void Nothing(void*) {}

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
    // A fault after the guards are gone is the host's own business: not
    // tested here. The process is still alive:
    std::printf("survived\n");
    std::fflush(stdout);
    return 0;
}
