// hookdriver.exe FOLDER [COMMAND...]: loads FOLDER\system.dat, binds its
// exports by name and runs the commands in order, printing one line per
// result. Without commands it runs "version marker start wait".
//   version          SetQuorvelVersion(2, 1, 20)
//   marker           SetQuorvelWindowUserData(0xAAAAAAAA)
//   start            startHook                      -> "startHook=<r>"
//   stopflag         SetStopHookFlag
//   stop             stopHook                       -> "stopHook=<r>"
//   pause | resume   PauseQuorvel | ResumeQuorvel
//   exclude=A[,B...] SetExcludedPrograms with those file names (none: empty)
//   fullscreen=0|1   SetFullScreenNow: stands in for Windows saying that a
//                    full-screen program runs (Wine never says so)
//   getsetting       GetSetting                     -> "setting=0x<word>"
//   savesetting=N    SaveSetting(N) (N decimal or 0x hex) -> "saveSetting=<r>"
//   rest[=N]         UserShouldRest, N times (last result printed)
//                    -> "rest=<r> keys=<k> clicks=<c> distance=<d> minutes=<m>"
//   lastclick        GetUserLastClickOrKeyTime      -> "lastClickOrKeyTime=<t> now=<tick>"
//   root=H[,F]       GetRootWindow(H, F)            -> "root=<r>"
//   dialog=H         IfDialogBoxWindow(H)           -> "dialog=<r>"
//   click=X,Y        SimulateClick(X, Y)            -> "simulateClick=<r>"
//   sleep=MS         Sleep
//   mainwin          a window of its own, marked 0xAAAAAAAA and given to
//                    SetMainWindowAndMessage with 0xC003, that prints every
//                    drag-to-scroll message it gets (while "wait" runs):
//                    "step x=<signed> y=<signed> window=<decimal>" for 0xC003,
//                    "end x=<signed> y=<signed> window=<decimal>" for 0xC004
//   wait             waits until FOLDER\hookdriver.stop exists (or the process is killed)
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HMODULE g_library = nullptr;

template <typename Fn>
Fn Bind(const char* name) {
    FARPROC p = g_library ? GetProcAddress(g_library, name) : nullptr;
    if (!p) {
        std::printf("missing export %s\n", name);
        std::fflush(stdout);
        std::exit(3);
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}

using Fn0 = int(WINAPI*)();
using Fn1 = int(WINAPI*)(int);
using Fn2 = int(WINAPI*)(int, int);
using Fn3 = int(WINAPI*)(int, int, int);
using RestFn = int(WINAPI*)(unsigned*, unsigned*, unsigned*, unsigned*);

long Number(const char* text) { return std::strtol(text, nullptr, 0); }

void Out(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

LRESULT CALLBACK MainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == 0xC003 || m == 0xC004) {
        Out("%s x=%d y=%d window=%lu", m == 0xC003 ? "step" : "end", static_cast<short>(LOWORD(wp)),
            static_cast<short>(HIWORD(wp)), static_cast<unsigned long>(lp));
        return 1;
    }
    return DefWindowProcA(w, m, wp, lp);
}

HWND MakeMainWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuorvelDriverMain";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "Quorvel", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    SetWindowLongPtrA(w, GWLP_USERDATA, static_cast<LONG_PTR>(static_cast<LONG>(0xAAAAAAAA)));
    return w;
}

void Run(const std::string& folder, const std::string& command) {
    std::string arg;
    size_t eq = command.find('=');
    std::string verb = command.substr(0, eq);
    if (eq != std::string::npos) arg = command.substr(eq + 1);
    if (verb == "version")
        Bind<Fn3>("SetQuorvelVersion")(2, 1, 20);
    else if (verb == "marker")
        Bind<Fn1>("SetQuorvelWindowUserData")(static_cast<int>(0xAAAAAAAA));
    else if (verb == "start")
        Out("startHook=%d", Bind<Fn0>("startHook")());
    else if (verb == "stopflag")
        Bind<Fn0>("SetStopHookFlag")();
    else if (verb == "stop")
        Out("stopHook=%d", Bind<Fn0>("stopHook")());
    else if (verb == "pause")
        Bind<Fn0>("PauseQuorvel")();
    else if (verb == "resume")
        Bind<Fn0>("ResumeQuorvel")();
    else if (verb == "exclude") {
        std::string list = arg;
        for (char& c : list) c = c == ',' ? '\0' : c;
        list.append(2, '\0');
        using SetList = void(WINAPI*)(const char*, int);
        Bind<SetList>("SetExcludedPrograms")(list.data(), static_cast<int>(list.size()));
    } else if (verb == "fullscreen")
        Bind<Fn1>("SetFullScreenNow")(static_cast<int>(Number(arg.c_str())));
    else if (verb == "getsetting")
        Out("setting=0x%x", Bind<Fn0>("GetSetting")());
    else if (verb == "savesetting")
        Out("saveSetting=%d", Bind<Fn1>("SaveSetting")(static_cast<int>(Number(arg.c_str()))));
    else if (verb == "rest") {
        long times = arg.empty() ? 1 : Number(arg.c_str());
        unsigned k = 0, c = 0, d = 0, m = 0;
        int r = 0;
        for (long i = 0; i < times; ++i) r = Bind<RestFn>("UserShouldRest")(&k, &c, &d, &m);
        Out("rest=%d keys=%u clicks=%u distance=%u minutes=%u", r, k, c, d, m);
    } else if (verb == "lastclick") {
        Out("lastClickOrKeyTime=%u now=%lu", static_cast<unsigned>(Bind<Fn0>("GetUserLastClickOrKeyTime")()),
            GetTickCount());
    } else if (verb == "root") {
        size_t comma = arg.find(',');
        int flag = comma == std::string::npos ? 1 : static_cast<int>(Number(arg.c_str() + comma + 1));
        Out("root=%d", Bind<Fn2>("GetRootWindow")(static_cast<int>(Number(arg.c_str())), flag));
    } else if (verb == "dialog")
        Out("dialog=%d", Bind<Fn1>("IfDialogBoxWindow")(static_cast<int>(Number(arg.c_str()))));
    else if (verb == "click") {
        size_t comma = arg.find(',');
        int x = static_cast<int>(Number(arg.c_str()));
        int y = comma == std::string::npos ? 0 : static_cast<int>(Number(arg.c_str() + comma + 1));
        Out("simulateClick=%d", Bind<Fn2>("SimulateClick")(x, y));
    } else if (verb == "mainwin") {
        HWND w = MakeMainWindow();
        Bind<Fn2>("SetMainWindowAndMessage")(static_cast<int>(reinterpret_cast<uintptr_t>(w)), 0xC003);
        Out("mainwin=%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(w)));
    } else if (verb == "sleep")
        Sleep(static_cast<DWORD>(Number(arg.c_str())));
    else if (verb == "wait") {
        std::string stop = folder + "\\hookdriver.stop";
        Out("waiting");
        while (GetFileAttributesA(stop.c_str()) == INVALID_FILE_ATTRIBUTES) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(50);
        }
        DeleteFileA(stop.c_str());
    } else
        Out("unknown command %s", command.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: hookdriver FOLDER [COMMAND...]\n");
        return 2;
    }
    std::string folder = argv[1];
    std::string path = folder + "\\system.dat";
    g_library = LoadLibraryA(path.c_str());
    if (!g_library) {
        Out("cannot load %s (error %lu)", path.c_str(), GetLastError());
        return 1;
    }
    Out("loaded");
    if (argc == 2) {
        for (const char* c : {"version", "marker", "start", "wait"}) Run(folder, c);
    } else {
        for (int i = 2; i < argc; ++i) Run(folder, argv[i]);
    }
    return 0;
}
