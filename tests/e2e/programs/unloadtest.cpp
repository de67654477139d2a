// unloadtest.exe FOLDER: loads FOLDER\system.dat, starts the hooks, lets its
// own window get a few hooked messages (so the library has set itself up in
// this process), stops the hooks and frees the library; then raises and
// handles exceptions of several kinds. Prints "unloaded" (or "still loaded"),
// one line per exception, then "alive". A handler the library left behind
// would take the process down at the first of them.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "HostHandler.h"

namespace {

char* g_lazyPage = nullptr;
int g_seen = 0;

LONG Repair(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD* r = pointers->ExceptionRecord;
    ++g_seen;
    if (r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) {
        DWORD old;
        VirtualProtect(g_lazyPage, 4096, PAGE_READWRITE, &old);
    }
    return EXCEPTION_CONTINUE_EXECUTION;
}

LRESULT WriteLazyPage(void*) {
    *reinterpret_cast<volatile int*>(g_lazyPage) = 1;
    return 1;
}

LRESULT Raise(void*) {
    RaiseException(0xE0000001, 0, 0, nullptr);
    return 1;
}

void Pump(HWND w) {
    for (int i = 0; i < 20; ++i) {
        SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(10, 10));
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string path = std::string(argv[1]) + "\\system.dat";
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) {
        std::printf("not loaded\n");
        return 3;
    }
    using Fn0 = int(WINAPI*)();
    using Fn3 = int(WINAPI*)(int, int, int);
    reinterpret_cast<Fn3>(reinterpret_cast<void*>(GetProcAddress(library, "SetQuorvelVersion")))(2, 1, 20);
    auto call = [&](const char* name) {
        return reinterpret_cast<Fn0>(reinterpret_cast<void*>(GetProcAddress(library, name)))();
    };
    std::printf("startHook=%d\n", call("startHook"));
    HWND w = CreateWindowA("STATIC", "unload test", WS_OVERLAPPED | WS_VISIBLE, 10, 10, 100, 60, nullptr, nullptr,
                           nullptr, nullptr);
    Pump(w);
    call("SetStopHookFlag");
    std::printf("stopHook=%d\n", call("stopHook"));
    DestroyWindow(w);
    FreeLibrary(library);
    Sleep(200);
    std::printf("%s\n", GetModuleHandleA(path.c_str()) ? "still loaded" : "unloaded");
    std::fflush(stdout);

    try {
        throw std::runtime_error("x");
    } catch (const std::exception&) {
        std::printf("c++ exception: caught\n");
    }
    OutputDebugStringA("unload test\n");
    std::printf("debug string: done\n");
    g_seen = 0;
    HostTry(Repair, Raise, nullptr);
    std::printf("raised exception: %s\n", g_seen == 1 ? "handled" : "missed");
    g_lazyPage = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READONLY));
    g_seen = 0;
    HostTry(Repair, WriteLazyPage, nullptr);
    std::printf("access violation: %s\n", g_seen == 1 ? "handled" : "missed");
    std::printf("alive\n");
    std::fflush(stdout);
    return 0;
}
