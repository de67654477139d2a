#include "Win32DesktopWatch.h"

#include <vector>

#include "common/Messages.h"
#include "Form.h"

namespace quorvel {

namespace {

constexpr char DESKTOP_WATCH_CLASS[] = "QuorvelDesktopWatch";
constexpr UINT_PTR FULL_SCREEN_TIMER = 1;
constexpr UINT DPI_CHANGED = 0x02E0;  // WM_DPICHANGED (Windows 8.1 and later)

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
            MonitorArea{r.left, r.top, r.right, r.bottom, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

// The monitors in physical pixels, as a program aware of each monitor's dpi
// sees them (and as most programs get the pointer): this thread takes that
// awareness for the moment of the question (Windows 10 1607 and later;
// before, Quorvel's own system awareness).
std::vector<MonitorArea> ReadMonitors() {
    using SetContext = void*(WINAPI*)(void*);
    static const auto setContext = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    void* const PER_MONITOR_AWARE = reinterpret_cast<void*>(static_cast<intptr_t>(-3));
    void* previous = setContext ? setContext(PER_MONITOR_AWARE) : nullptr;
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (previous) setContext(previous);
    return monitors;
}

}  // namespace

ShellNotificationState::ShellNotificationState() : shell32_(LoadLibraryA("shell32.dll")) {
    if (shell32_) query_ = GetProcAddress(shell32_.Get(), "SHQueryUserNotificationState");
}

bool ShellNotificationState::Query(uint32_t* state) {
    using QueryFn = HRESULT(WINAPI*)(int*);
    if (!query_) return false;
    int answer = 0;
    if (FAILED(reinterpret_cast<QueryFn>(reinterpret_cast<void*>(query_))(&answer))) return false;
    *state = static_cast<uint32_t>(answer);
    return true;
}

Win32DesktopWatch::Win32DesktopWatch(HookLibrary& library, Clock& clock)
    : library_(library), clock_(clock), fullScreen_(library, windowsState_) {}

Win32DesktopWatch::~Win32DesktopWatch() {
    if (window_) KillTimer(window_.Get(), FULL_SCREEN_TIMER);
}

void Win32DesktopWatch::Start() {
    window_ = CreateHiddenOwnWindow(DESKTOP_WATCH_CLASS, &Win32DesktopWatch::WindowProcedure, this);
    HandOverMonitors();
    fullScreen_.OnTick(clock_.NowMs());
    if (!window_) return;
    SetTimer(window_.Get(), FULL_SCREEN_TIMER, FULL_SCREEN_CHECK_MS, nullptr);
}

void Win32DesktopWatch::HandOverMonitors() {
    const std::vector<int32_t> rects = PackMonitorLayout(ReadMonitors());
    library_.SetMonitorLayout(rects.data(), static_cast<uint32_t>(rects.size() / 4));
}

LRESULT CALLBACK Win32DesktopWatch::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetPropA(window, DESKTOP_WATCH_CLASS, reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    }
    auto* watch = static_cast<Win32DesktopWatch*>(GetPropA(window, DESKTOP_WATCH_CLASS));
    if (watch) {
        switch (message) {
            case WM_TIMER:
                if (wParam == FULL_SCREEN_TIMER) watch->fullScreen_.OnTick(watch->clock_.NowMs());
                return 0;
            case WM_DISPLAYCHANGE:
            case WM_SETTINGCHANGE:
            case DPI_CHANGED: watch->HandOverMonitors(); break;
            case WM_NCDESTROY: RemovePropA(window, DESKTOP_WATCH_CLASS); break;
            default: break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quorvel
