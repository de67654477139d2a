// hookbench.exe LIBRARY [COUNT]: cost per message of a hook library's three
// global hooks, measured in this process (which the hooks reach like any
// other) on a window of its own. Prints one line per kind of message:
//   "<kind> <ns per message without hooks> <ns per message with the hooks>"
// Kinds: "quiet" (a sent message no hook looks at), "move" (a sent
// WM_NCHITTEST along a line, as a pointer move gives), "posted" (a posted
// message taken out with PeekMessage and dispatched).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

using Export0 = int(WINAPI*)();

HWND g_window = nullptr;
int g_count = 20000;

double NowNs() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e9 / static_cast<double>(frequency.QuadPart);
}

double Quiet() {
    const double start = NowNs();
    for (int i = 0; i < g_count; ++i) SendMessageA(g_window, WM_USER + 1, 0, 0);
    return (NowNs() - start) / g_count;
}

// Back and forth along a line: every point is new, no loop is ever closed.
double Move() {
    const double start = NowNs();
    for (int i = 0; i < g_count; ++i) {
        const int x = 100 + (i % 400 < 200 ? i % 200 : 200 - i % 200);
        SendMessageA(g_window, WM_NCHITTEST, 0, MAKELPARAM(x, 300));
    }
    return (NowNs() - start) / g_count;
}

double Posted() {
    MSG msg;
    const double start = NowNs();
    for (int i = 0; i < g_count; ++i) {
        PostMessageA(g_window, WM_USER + 2, 0, 0);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    return (NowNs() - start) / g_count;
}

struct Kind {
    const char* name;
    double (*run)();
};
const Kind kKinds[] = {{"quiet", Quiet}, {"move", Move}, {"posted", Posted}};

// The best of three runs, after one warm-up.
double Best(double (*run)()) {
    run();
    double best = run();
    for (int i = 0; i < 2; ++i) {
        const double t = run();
        if (t < best) best = t;
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (argc > 2) g_count = std::atoi(argv[2]);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HookBenchWindow";
    RegisterClassA(&wc);
    g_window = CreateWindowA("HookBenchWindow", "hook bench", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    HMODULE library = LoadLibraryA(argv[1]);
    if (!g_window || !library) {
        std::printf("cannot start: window %p library %p\n", static_cast<void*>(g_window), static_cast<void*>(library));
        return 3;
    }
    auto bind = [library](const char* name) {
        return reinterpret_cast<Export0>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    };
    Export0 start = bind("startHook"), stop = bind("stopHook"), flag = bind("SetStopHookFlag");
    if (!start || !stop || !flag) return 4;

    double bare[3];
    for (int k = 0; k < 3; ++k) bare[k] = Best(kKinds[k].run);
    if (start() != 1) {
        std::printf("startHook failed\n");
        return 5;
    }
    for (int k = 0; k < 3; ++k) std::printf("%s %.0f %.0f\n", kKinds[k].name, bare[k], Best(kKinds[k].run));
    flag();
    stop();
    std::fflush(stdout);
    return 0;
}
