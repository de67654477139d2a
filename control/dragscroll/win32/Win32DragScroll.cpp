#include "Win32DragScroll.h"

#include <objbase.h>

#include "MshtmlPage.h"
#include "common/win32/Owners.h"
#include "control/core/win32/ExclusionForm.h"
#include "control/dragscroll/BrowserDragScroll.h"

namespace quorvel {

namespace {
HWND WindowOf(uint32_t handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }
uint32_t HandleOf(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// Children of a window looked at for one under the point.
constexpr int MAX_CHILDREN_LOOKED_AT = 64;

// GetDpiForWindow from Windows 10 on; before it every window has the system's.
int DpiOf(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow) {
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    }
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}
}  // namespace

// S_FALSE (already initialised on this thread) also needs its CoUninitialize;
// RPC_E_CHANGED_MODE does not.
ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialised_) CoUninitialize();
}

Win32DragScroll::Win32DragScroll(HookLibrary& library, TraceWriter trace)
    : library_(library),
      trace_(trace),
      scroll_(static_cast<DragScrollHost&>(*this)),
      browsers_(scroll_, static_cast<WheelScrollHost&>(*this)) {}

std::unique_ptr<PageDocument> Win32DragScroll::DocumentOf(uint32_t contentWindow) {
    return MshtmlDocumentOf(WindowOf(contentWindow));
}

bool Win32DragScroll::IsWindow(uint32_t window) { return window && ::IsWindow(WindowOf(window)); }

std::string Win32DragScroll::ClassName(uint32_t window) {
    char name[256] = {};
    if (!window || GetClassNameA(WindowOf(window), name, sizeof name) <= 0) return "";
    return name;
}

uint32_t Win32DragScroll::Parent(uint32_t window) { return window ? HandleOf(GetParent(WindowOf(window))) : 0; }

uint32_t Win32DragScroll::VisibleChildAt(uint32_t parent, const char* className, int x, int y) {
    const POINT p{x, y};
    HWND child = GetWindow(WindowOf(parent), GW_CHILD);
    for (int seen = 0; child && seen < MAX_CHILDREN_LOOKED_AT; ++seen, child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        if (ClassName(HandleOf(child)) == className && IsWindowVisible(child) && GetWindowRect(child, &rect) &&
            PtInRect(&rect, p)) {
            return HandleOf(child);
        }
    }
    return 0;
}

std::string Win32DragScroll::ProgramPath(uint32_t window) { return ProgramPathOfWindow(WindowOf(window)); }

WheelSettings Win32DragScroll::SettingsFor(uint32_t window) {
    WheelSettings settings;
    UINT lines = DEFAULT_WHEEL_LINES;
    if (SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) settings.linesPerNotch = lines;
    settings.dpi = DpiOf(WindowOf(window));
    RECT client{};
    if (GetClientRect(WindowOf(window), &client)) settings.pageHeight = client.bottom - client.top;
    return settings;
}

void Win32DragScroll::PostWheel(uint32_t window, int units, int x, int y) {
    const WPARAM wParam = MAKEWPARAM(DRAG_SCROLL_WHEEL_KEYS, static_cast<WORD>(static_cast<SHORT>(units)));
    const LPARAM lParam =
        MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
    PostMessageA(WindowOf(window), WM_MOUSEWHEEL, wParam, lParam);
}

}  // namespace quorvel
