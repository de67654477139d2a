#include "FakeSystem.h"

#include <cstring>

#include "FakeText.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {

// ---------------------------------------------------------------- clock and threads

uint32_t FakeClock::GetTickCount() { return tick; }

void FakeClock::Sleep(uint32_t ms) {
    sleeps.push_back(ms);
    tick += ms;
}

void FakeClock::GetSystemTime(SystemTimeUtc* t) { *t = systemTime; }
uint32_t FakeClock::GetCurrentThreadId() { return threadId; }
uint32_t FakeClock::GetCurrentProcessId() { return processId; }

bool FakeClock::StartThread(ThreadFn fn, void* argument) {
    if (!threadsCanStart) return false;
    threads.push_back(StartedThread{fn, argument});
    return true;
}

void FakeClock::RunThreads() {
    while (!threads.empty()) {
        StartedThread t = threads.front();
        threads.erase(threads.begin());
        t.fn(t.argument);
    }
}

// ---------------------------------------------------------------- system

FakeSystem::FakeSystem() {
    metrics[win::SM_CXSCREEN] = 1024;
    metrics[win::SM_CYSCREEN] = 768;
    metrics[win::SM_CXDOUBLECLK] = 4;
    metrics[win::SM_CYDOUBLECLK] = 4;
    metrics[win::SM_CXHSCROLL] = 16;
    metrics[win::SM_CYHSCROLL] = 16;
    metrics[win::SM_CXVSCROLL] = 16;
    metrics[win::SM_CYVSCROLL] = 16;
    metrics[win::SM_SWAPBUTTON] = 0;
    version.major = 5;
    version.minor = 1;
    version.build = 2600;
    version.platformId = win::VER_PLATFORM_WIN32_NT;
    std::strcpy(version.csdVersion, "Service Pack 3");
    moduleNames[0] = "C:\\Program Files\\App\\app.exe";
}

int FakeSystem::GetSystemMetrics(int index) {
    auto it = metrics.find(index);
    return it == metrics.end() ? 0 : it->second;
}

uint32_t FakeSystem::GetDoubleClickTime() { return doubleClickTime; }

const char* FakeSystem::GetCommandLine() {
    commandLineStore_ = commandLine;
    return commandLineStore_.c_str();
}

uint32_t FakeSystem::GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) {
    auto it = moduleNames.find(module);
    if (it == moduleNames.end() || size == 0) return 0;
    return static_cast<uint32_t>(CopyOut(it->second, buffer, static_cast<int>(size)));
}

bool FakeSystem::GetVersionInfo(OsVersion* v) {
    if (!versionReadable) return false;
    *v = version;
    return true;
}

uint16_t FakeSystem::GetSystemDefaultLangId() { return langId; }
void FakeSystem::GetMemoryStatus(MemoryStatus* m) { *m = memory; }

// ---------------------------------------------------------------- hooks

uint32_t FakeHooks::SetWindowsHook(int hookType, uintptr_t module) {
    if (failingHookTypes.count(hookType)) {
        lastError = 0x57;
        return 0;
    }
    hooksSet.emplace_back(hookType, module);
    return nextHook_++;
}

bool FakeHooks::UnhookWindowsHook(uint32_t hook) {
    if (unhookFails) {
        lastError = 0x594;
        return false;
    }
    hooksRemoved.push_back(hook);
    return true;
}

uint32_t FakeHooks::GetLastError() { return lastError; }

}  // namespace quorvel::testing
