// The clock, system and hooks roles on Windows.
#include "Win32Platform.h"

#include <cstring>
#include <new>

#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"
#include "ExceptionGuard.h"
#include "FaultPoints.h"

namespace quorvel {
namespace {

struct ThreadThunk {
    ThreadFn fn;
    void* argument;
    HMODULE pinned;  // the library, kept loaded until the thread has ended
};

struct ThreadRun {
    ThreadThunk thunk;
    uint32_t result;
};

void RunThreadBody(void* p) {
    auto* run = static_cast<ThreadRun*>(p);
    QUORVEL_FAULT_POINT(Worker, nullptr);
    run->result = run->thunk.fn(run->thunk.argument);
}

// Every thread the library starts runs its body inside the exception guard
// (after a fault the thread returns 0), and holds a reference on the library
// so that an unhook cannot unload the code under a running worker.
DWORD WINAPI ThreadThunkProc(LPVOID p) {
    ThreadRun run{*static_cast<ThreadThunk*>(p), 0};
    delete static_cast<ThreadThunk*>(p);
    DWORD result = RunGuarded(RunThreadBody, &run) ? run.result : 0;
    if (run.thunk.pinned) ::FreeLibraryAndExitThread(run.thunk.pinned, result);
    return result;
}

HMODULE PinThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&ThreadThunkProc), &module);
    return module;
}

}  // namespace

uint32_t Win32Clock::GetTickCount() { return ::GetTickCount(); }

void Win32Clock::GetSystemTime(SystemTimeUtc* t) {
    SYSTEMTIME st;
    ::GetSystemTime(&st);
    *t = SystemTimeUtc{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

void Win32Clock::Sleep(uint32_t ms) { ::Sleep(ms); }
uint32_t Win32Clock::GetCurrentThreadId() { return ::GetCurrentThreadId(); }
uint32_t Win32Clock::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

bool Win32Clock::StartThread(ThreadFn fn, void* argument) {
    auto* thunk = new (std::nothrow) ThreadThunk{fn, argument, nullptr};
    if (!thunk) return false;
    OwnedModule pinned(PinThisModule());
    thunk->pinned = pinned.Get();
    // Detached: nobody waits for it, the handle goes at once.
    const OwnedHandle thread(::CreateThread(nullptr, 0, ThreadThunkProc, thunk, 0, nullptr));
    if (!thread) {
        delete thunk;
        return false;
    }
    pinned.Release();  // the thread gives the reference back as it ends
    return true;
}

// ---- system

int Win32System::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }
uint32_t Win32System::GetDoubleClickTime() { return ::GetDoubleClickTime(); }

const char* Win32System::GetCommandLine() { return ::GetCommandLineA(); }

uint32_t Win32System::GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) {
    if (size == 0) return 0;
    // A folder outside the ANSI code page comes back in its short form, one
    // too long for the buffer as an empty name (never cut).
    DWORD n = AnsiModulePath(reinterpret_cast<HMODULE>(module), buffer, size);
    buffer[size - 1] = '\0';
    return n;
}

uint32_t Win32System::GetModulePathUtf8(uintptr_t module, char* buffer, uint32_t size) {
    if (size == 0) return 0;
    buffer[0] = '\0';
    const std::string path = Utf8ModulePath(reinterpret_cast<HMODULE>(module));
    if (path.empty() || path.size() >= size) return 0;
    path.copy(buffer, path.size());
    buffer[path.size()] = '\0';
    return static_cast<uint32_t>(path.size());
}

bool Win32System::GetVersionInfo(OsVersion* v) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
    if (!::GetVersionExA(&info)) return false;
    v->major = info.dwMajorVersion;
    v->minor = info.dwMinorVersion;
    v->build = info.dwBuildNumber;
    v->platformId = info.dwPlatformId;
    static_assert(sizeof info.szCSDVersion == sizeof v->csdVersion, "service-pack text sizes differ");
    memcpy(v->csdVersion, info.szCSDVersion, sizeof v->csdVersion);
    v->csdVersion[sizeof v->csdVersion - 1] = '\0';
    return true;
}

uint16_t Win32System::GetSystemDefaultLangId() { return ::GetSystemDefaultLangID(); }

void Win32System::GetMemoryStatus(MemoryStatus* m) {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    ::GlobalMemoryStatus(&status);
    *m = MemoryStatus{status.dwTotalPhys, status.dwAvailPhys, status.dwTotalVirtual, status.dwAvailVirtual};
}

// ---- hooks

HOOKPROC Win32Hooks::ProcedureFor(int hookType) const {
    switch (hookType) {
        case WH_MOUSE: return procedures_.mouse;
        case WH_CALLWNDPROCRET: return procedures_.callWndRet;
        case WH_GETMESSAGE: return procedures_.getMessage;
        default: return nullptr;
    }
}

uint32_t Win32Hooks::SetWindowsHook(int hookType, uintptr_t module) {
    HOOKPROC proc = ProcedureFor(hookType);
    if (!proc) return 0;
    HHOOK h = ::SetWindowsHookExA(hookType, proc, reinterpret_cast<HINSTANCE>(module), 0);
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
}

bool Win32Hooks::UnhookWindowsHook(uint32_t hook) {
    return ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(WidenHandle(hook))) != FALSE;
}

uint32_t Win32Hooks::GetLastError() { return ::GetLastError(); }

}  // namespace quorvel
