// faulthost.exe LOGFILE: a host program for the fault-containment tests. Two
// windows on two threads: "Fault host A" at (100,100) and "Fault host B" at
// (520,100), each 300 x 200. Each logs every left press it gets ("A down",
// "B down") to LOGFILE, so that a test sees the messages passed on. WM_APP+1
// (which the fault-injection library's mouse hook body sends) runs the
// host's own frame-based handler test: the window procedure writes to a page
// the host keeps read-only, under a handler of its own that makes the page
// writable and carries on. It logs "own handler: got its fault" when its
// handler saw the fault (before the library's guard around the sending hook
// body could take it).
#include <windows.h>

#include <cstdio>

#include "HostHandler.h"

namespace {

FILE* g_log = nullptr;
CRITICAL_SECTION g_logLock;
char* g_lazyPage = nullptr;
volatile int g_hostHandled = 0;

void Log(const char* text) {
    EnterCriticalSection(&g_logLock);
    std::fprintf(g_log, "%s\n", text);
    std::fflush(g_log);
    LeaveCriticalSection(&g_logLock);
}

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
    return 7;
}

LRESULT CALLBACK WindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    const char* name = reinterpret_cast<const char*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    char line[64];
    switch (m) {
        case WM_LBUTTONDOWN:
            wsprintfA(line, "%s down", name ? name : "?");
            Log(line);
            return 0;
        case WM_APP + 1: {  // sent by the library's hook body
            g_lazyPage = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READONLY));
            g_hostHandled = 0;
            LRESULT r = HostTry(HostFilter, WriteLazyPage, nullptr);
            wsprintfA(line, "own handler: %s (seen %d, result %d)",
                      g_hostHandled == 1 && r == 7 ? "got its fault" : "missed", static_cast<int>(g_hostHandled),
                      static_cast<int>(r));
            Log(line);
            VirtualFree(g_lazyPage, 0, MEM_RELEASE);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

HWND MakeWindow(const char* title, const char* name, int x) {
    HWND w = CreateWindowA("FaultHost", title, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, x, 100, 300, 200, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(name));
    return w;
}

void Pump() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

DWORD WINAPI SecondThread(LPVOID) {
    MakeWindow("Fault host B", "B", 520);
    Pump();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    g_log = std::fopen(argv[1], "a");
    if (!g_log) return 2;
    InitializeCriticalSection(&g_logLock);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "FaultHost";
    RegisterClassA(&wc);
    MakeWindow("Fault host A", "A", 100);
    CreateThread(nullptr, 0, SecondThread, nullptr, 0, nullptr);
    Log("started");
    Pump();
    return 0;
}
