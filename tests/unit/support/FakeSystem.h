// The fake desktop's clock and threads, system facts and hooks.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hooklib/core/Platform.h"

namespace quorvel::testing {

struct StartedThread {
    ThreadFn fn;
    void* argument;
};

class FakeClock : public Clock {
public:
    uint32_t tick = 1000;  // Sleep moves it on
    SystemTimeUtc systemTime{2026, 12, 8, 9, 30, 15};
    uint32_t threadId = 1;
    uint32_t processId = 1;
    bool threadsCanStart = true;

    // ---- what the library did
    std::vector<uint32_t> sleeps;
    std::vector<StartedThread> threads;  // started, not yet run

    // Runs the started threads (and any they start) to their end, in order.
    void RunThreads();

    uint32_t GetTickCount() override;
    void GetSystemTime(SystemTimeUtc* t) override;
    void Sleep(uint32_t ms) override;
    uint32_t GetCurrentThreadId() override;
    uint32_t GetCurrentProcessId() override;
    bool StartThread(ThreadFn fn, void* argument) override;
};

class FakeSystem : public System {
public:
    FakeSystem();  // a 1024 x 768 Windows XP SP3

    std::map<int, int> metrics;
    uint32_t doubleClickTime = 500;
    OsVersion version;
    bool versionReadable = true;
    uint16_t langId = 1033;
    MemoryStatus memory{512ull << 20, 256ull << 20, 2048ull << 20, 1024ull << 20};
    std::string commandLine = "\"C:\\Program Files\\App\\app.exe\"";
    std::map<uintptr_t, std::string> moduleNames;  // 0 = the executable

    int GetSystemMetrics(int index) override;
    uint32_t GetDoubleClickTime() override;
    bool GetVersionInfo(OsVersion* v) override;
    uint16_t GetSystemDefaultLangId() override;
    void GetMemoryStatus(MemoryStatus* m) override;
    const char* GetCommandLine() override;
    uint32_t GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) override;
    uint32_t GetModulePathUtf8(uintptr_t module, char* buffer, uint32_t size) override {
        return GetModuleFileName(module, buffer, size);
    }

private:
    std::string commandLineStore_;
};

class FakeHooks : public Hooks {
public:
    std::set<int> failingHookTypes;
    bool unhookFails = false;
    uint32_t lastError = 0;

    // ---- what the library did
    std::vector<std::pair<int, uintptr_t>> hooksSet;  // (type, module)
    std::vector<uint32_t> hooksRemoved;

    uint32_t SetWindowsHook(int hookType, uintptr_t module) override;
    bool UnhookWindowsHook(uint32_t hook) override;
    uint32_t GetLastError() override;

private:
    uint32_t nextHook_ = 0x5000;
};

}  // namespace quorvel::testing
