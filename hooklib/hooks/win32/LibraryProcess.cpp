#include "LibraryProcess.h"

#include "hooklib/core/win32/WindowsApi.h"

#include <cstdio>
#include <new>

#include "common/HookExports.h"
#include "common/win32/ModulePaths.h"

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/ExceptionReport.h"
#include "hooklib/core/FaultLimiter.h"
#include "hooklib/hooks/ProcessAttach.h"
#include "hooklib/core/win32/ExceptionGuard.h"
#include "HookEntries.h"
#include "hooklib/core/win32/RecoverableLock.h"
#include "hooklib/core/win32/SharedMemory.h"
#include "hooklib/core/win32/UtilTexts.h"
#include "hooklib/core/win32/Win32Platform.h"

namespace quorvel {
namespace {

// Made at the first call, deleted only at a dynamic unload (never at process
// exit). Its members go in reverse order: the dialog tables, the lock and the
// platform first, then the outer and the inner wait event.
struct LibraryProcess {
    explicit LibraryProcess(SharedState& shared)
        : os(HookProcedureTable{MouseHookEntry, CallWndRetHookEntry, GetMessageHookEntry}),
          context{os, shared, process} {
        process.lock = &lock;
        process.Is64Bit = sizeof(void*) == 8;
    }
    OwnedHandle innerEvent;
    OwnedHandle outerEvent;
    Win32Platform os;
    RecoverableLock lock;
    ProcessState process;
    Context context;
    FaultLimiter faults;
    WaitEvents events;
};

// The process's start-up state, changed with interlocked operations only.
enum : LONG { NOT_STARTED = 0, STARTING = 1, READY = 2, WITHOUT_RECORD = 3 };
volatile LONG g_state = NOT_STARTED;
HINSTANCE g_instance = nullptr;
LibraryProcess* g_process = nullptr;
SharedMapping g_mapping;
MapOutcome g_outcome = MapOutcome::NotReady;  // of the last start-up

// Before the next block: a report file grown past its limit becomes
// "QuorvelExceptionLog.old.txt" (replacing an older one).
// The folder is this process's own (UTF-8); names that do not fit are left.
void RotateReportFile(const char* folder) {
    char path[LOG_PATH_BUFFER_SIZE];
    char old[LOG_PATH_BUFFER_SIZE];
    const char* base = folder[0] != '\0' ? folder : FALLBACK_LOG_FOLDER;
    const int a = std::snprintf(path, sizeof path, "%s%s", base, EXCEPTION_LOG_FILE_NAME);
    const int b = std::snprintf(old, sizeof old, "%s%s", base, OLD_EXCEPTION_LOG_FILE_NAME);
    if (a <= 0 || a >= static_cast<int>(sizeof path) || b <= 0 || b >= static_cast<int>(sizeof old)) return;
    wchar_t widePath[LOG_PATH_BUFFER_SIZE], wideOld[LOG_PATH_BUFFER_SIZE];
    if (!WidenInto(path, widePath, LOG_PATH_BUFFER_SIZE) || !WidenInto(old, wideOld, LOG_PATH_BUFFER_SIZE)) return;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(widePath, GetFileExInfoStandard, &data)) return;
    uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (ExceptionLogNeedsRotation(size))
        MoveFileExW(widePath, wideOld, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void WriteFaultReport(EXCEPTION_POINTERS* pointers) {
    LibraryProcess* p = g_process;
    if (!p) return;
    auto address = reinterpret_cast<uintptr_t>(pointers->ExceptionRecord->ExceptionAddress);
    if (!p->faults.Count(address)) return;
    ExceptionFacts facts;
    facts.code = pointers->ExceptionRecord->ExceptionCode;
    facts.address = address;
    RotateReportFile(p->process.InstallFolder);
    UtilTexts texts(p->process.InstallFolder, pointers);
    WriteExceptionReport(p->context, facts, texts.Available() ? &texts : nullptr);
}

int SaveLockDepth() { return g_process ? g_process->lock.HeldByThisThread() : 0; }

void RecoverAfterFault(int lockDepth) {
    LibraryProcess* p = g_process;
    if (!p) return;
    p->lock.ReleaseDownTo(lockDepth);
    DisarmGestures(p->context.shared);
}

// Without a usable record: one line in this process's log folder.
void LogRunningWithout(MapOutcome outcome) {
    const char* line = nullptr;
    switch (outcome) {
        case MapOutcome::Untrusted:
            line = "Shared state object is not Quorvel's own (owner, access or label): running without shared features";
            break;
        case MapOutcome::Unusable:
            line = "Shared state object is too small or not committed: running without shared features";
            break;
        case MapOutcome::Faulted: line = "Shared state could not be read: running without shared features"; break;
        default: line = "Shared state could not be mapped: running without shared features"; break;
    }
    auto* record = new (std::nothrow) SharedState;
    if (!record) return;
    InitialiseSharedState(*record);
    auto* p = new (std::nothrow) LibraryProcess(*record);
    if (p) {
        char name[INSTALL_PATH_MAX_CHARS + 2] = {};
        p->os.GetModulePathUtf8(reinterpret_cast<uintptr_t>(g_instance), name, sizeof name - 1);
        BuildInstallPaths(name, p->process.InstallFolder, p->process.SetForegroundWindowPath);
        WriteLog(p->context, line);
        delete p;
    }
    delete record;
}

// Below the medium integrity level (a protected-mode browser, a sandbox)
// the record's namespace is closed to this process on purpose: its hooks
// pass everything on at once and never try again.
bool BelowMediumLevel() {
    OwnedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return false;
    alignas(8) BYTE buffer[64];
    DWORD size = 0;
    if (!GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) return false;
    PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return false;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u) < SECURITY_MANDATORY_MEDIUM_RID;
}

// The first-call start-up: the record is mapped and checked and the events
// opened, inside the exception guard: whatever an object someone else made
// does, no fault leaves here.
void StartBody(void* result) {
    auto* outcome = static_cast<MapOutcome*>(result);
    *outcome = BelowMediumLevel() ? MapOutcome::Closed : MapSharedState(&g_mapping);
    if (*outcome != MapOutcome::Mapped) return;
    g_process = new (std::nothrow) LibraryProcess(*g_mapping.view);
    if (!g_process) {
        UnmapSharedState(&g_mapping);
        *outcome = MapOutcome::Failed;
        return;
    }
    DWORD error = 0;
    g_process->outerEvent = CreateProtectedEvent(OUTER_WAIT_EVENT_NAME, &error);
    g_process->events.outer = reinterpret_cast<uintptr_t>(g_process->outerEvent.Get());
    g_process->events.outerError = error;
    g_process->innerEvent = CreateProtectedEvent(INNER_WAIT_EVENT_NAME, &error);
    g_process->events.inner = reinterpret_cast<uintptr_t>(g_process->innerEvent.Get());
    g_process->events.innerError = error;
}

// Then the process's own start-up, also guarded (after a fault there the
// record is still good: the process goes on with it).
void AttachBody(void*) {
    OnProcessAttach(g_process->context, reinterpret_cast<uintptr_t>(g_instance), g_process->events);
}

// Runs on the one thread that moved the state to STARTING.
void StartProcess() {
    MapOutcome outcome = MapOutcome::Failed;
    if (!RunGuarded(StartBody, &outcome)) {
        // A fault half-way: what was made stays unused (never freed under
        // a possibly broken heap); this process runs without shared features.
        g_process = nullptr;
        outcome = MapOutcome::Faulted;
    }
    g_outcome = outcome;
    if (outcome == MapOutcome::NotReady) {
        InterlockedExchange(&g_state, NOT_STARTED);  // another process is still writing it: next call
        return;
    }
    if (outcome != MapOutcome::Mapped) {
        if (outcome != MapOutcome::Closed) LogRunningWithout(outcome);
        InterlockedExchange(&g_state, WITHOUT_RECORD);
        return;
    }
    RunGuarded(AttachBody, nullptr);
    InterlockedExchange(&g_state, READY);
}

void AttachProcess(HINSTANCE instance) {
    g_instance = instance;
    InstallExceptionGuard(WriteFaultReport, FaultRecovery{SaveLockDepth, RecoverAfterFault});
}

// A dynamic unload (FreeLibrary, or the system unloading the hook library
// after the hooks are gone): give back everything the process took. No
// worker runs any more (each holds a reference on the module).
void DetachProcess() {
    delete g_process;  // the tables, then the events
    g_process = nullptr;
    UnmapSharedState(&g_mapping);
    RemoveExceptionGuard();
    g_state = NOT_STARTED;
}

}  // namespace

Context* LibraryContext() {
    if (g_state == READY) return &g_process->context;
    if (InterlockedCompareExchange(&g_state, STARTING, NOT_STARTED) != NOT_STARTED) return nullptr;
    StartProcess();
    return g_state == READY ? &g_process->context : nullptr;
}

uint32_t SharedStateStatus() {
    if (LibraryContext()) return SHARED_STATE_SHARED;
    if (g_state != WITHOUT_RECORD) return SHARED_STATE_NOT_YET;
    return (g_outcome == MapOutcome::Untrusted || g_outcome == MapOutcome::Unusable) ? SHARED_STATE_REFUSED
                                                                                     : SHARED_STATE_UNAVAILABLE;
}

Context* HookContext() {
    Context* ctx = LibraryContext();
    return (ctx && !g_process->faults.HooksOff()) ? ctx : nullptr;
}

}  // namespace quorvel

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        quorvel::AttachProcess(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // At process exit (reserved non-null) nothing is done: other threads
        // are gone mid-step and the system takes everything back anyway.
        quorvel::DetachProcess();
    }
    return TRUE;
}
