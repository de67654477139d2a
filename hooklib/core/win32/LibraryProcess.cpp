#include "LibraryProcess.h"

#include "WindowsApi.h"

#include <new>

#include "../ExceptionReport.h"
#include "../StartUp.h"
#include "ExceptionGuard.h"
#include "HookEntries.h"
#include "SharedMemory.h"
#include "UtilTexts.h"
#include "Win32Platform.h"

namespace quorvel {
namespace {

struct LibraryProcess {
    explicit LibraryProcess(SharedState& shared)
        : os(HookProcedureTable{MouseHookEntry, CallWndRetHookEntry, GetMessageHookEntry}),
          context{os, shared, process} {
        process.lock = &lock;
        process.Is64Bit = sizeof(void*) == 8;
    }
    Win32Platform os;
    Win32Lock lock;
    ProcessState process;
    Context context;
};

LibraryProcess* g_process = nullptr;

void WriteFaultReport(EXCEPTION_POINTERS* pointers) {
    if (!g_process) return;
    Context& ctx = g_process->context;
    ExceptionFacts facts;
    facts.code = pointers->ExceptionRecord->ExceptionCode;
    facts.address = reinterpret_cast<uintptr_t>(pointers->ExceptionRecord->ExceptionAddress);
    char folder[INSTALL_PATH_SIZE];
    CopyText(folder, sizeof folder, ctx.shared.InstallPath);
    UtilTexts texts(folder, pointers);
    WriteExceptionReport(ctx, facts, texts.Available() ? &texts : nullptr);
}

WaitEvents OpenWaitEvents() {
    WaitEvents e;
    e.outer = reinterpret_cast<uintptr_t>(CreateEventA(nullptr, FALSE, FALSE, OUTER_WAIT_EVENT_NAME));
    e.outerError = GetLastError();
    e.inner = reinterpret_cast<uintptr_t>(CreateEventA(nullptr, FALSE, FALSE, INNER_WAIT_EVENT_NAME));
    e.innerError = GetLastError();
    return e;
}

struct AttachArgs {
    Context* ctx;
    uintptr_t module;
    WaitEvents events;
};

void AttachBody(void* p) {
    auto* a = static_cast<AttachArgs*>(p);
    OnProcessAttach(*a->ctx, a->module, a->events);
}

}  // namespace

Context* LibraryContext() { return g_process ? &g_process->context : nullptr; }

void AttachProcess(HINSTANCE instance) {
    InstallExceptionGuard(WriteFaultReport);
    SharedState* shared = MapSharedState();
    if (!shared) return;
    g_process = new (std::nothrow) LibraryProcess(*shared);
    if (!g_process) return;
    AttachArgs args{&g_process->context, reinterpret_cast<uintptr_t>(instance), OpenWaitEvents()};
    RunGuarded(AttachBody, &args);
    g_process->process.ModuleHandle = reinterpret_cast<uintptr_t>(instance);
}

}  // namespace quorvel

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        quorvel::AttachProcess(instance);
    }
    // Nothing is done at detach: the process's state goes with it.
    return TRUE;
}
