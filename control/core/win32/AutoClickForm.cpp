#include "AutoClickForm.h"

#include "control/core/ControlProgram.h"
#include "control/core/PrivateMessages.h"
#include "DebugLine.h"
#include "DwellPreference.h"
#include "RegistryPreferences.h"
#include "control/core/FormTables.h"
#include "control/core/InstanceHandOver.h"
#include "common/Twips.h"

namespace quorvel {

namespace {

// The subclass procedure is a plain window procedure: it reaches the form
// through these, one auto-click form per process.
WNDPROC PreviousAutoClickWindowProcedure = nullptr;
AutoClickForm* TheAutoClickForm = nullptr;

constexpr uint32_t AUTO_CLICK_SETTLE_MS = 60;

bool AnyButtonHeld() {
    for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2}) {
        if (GetAsyncKeyState(button) & 0x8000) return true;
    }
    return false;
}

// Windows of this process (the box among them) and windows that carry the
// marker of Quorvel's windows.
bool OverOwnWindow(POINT point) {
    HWND window = WindowFromPoint(point);
    if (!window) return false;
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root) root = window;
    DWORD process = 0;
    GetWindowThreadProcessId(root, &process);
    return process == GetCurrentProcessId() ||
           static_cast<uint32_t>(GetWindowLongPtrA(root, GWLP_USERDATA)) == OWN_WINDOW_MARKER;
}

ScreenRect MonitorAround(const ScreenPoint& point) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST), &info)) {
        return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    }
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

AutoClickForm::AutoClickForm(HookLibrary& library, Clock& clock)
    : Form(AutoClickFormTable()),
      library_(library),
      clock_(clock),
      box_(*this),
      hotkeyRegistration_(AUTO_CLICK_HOTKEY_ID),
      hotkey_(AutoClickHotkey()),
      ClickTimer(*this, 0, false, [this] { box_.OnClickTimer(); }),
      HideTimer(*this, 0, false, [this] { box_.OnHideTimer(); }),
      DwellTimer(*this, DWELL_SAMPLE_MS, false, [this] { OnDwellTimer(); }) {
    TheAutoClickForm = this;
}

AutoClickForm::~AutoClickForm() {
    if (TheAutoClickForm == this) TheAutoClickForm = nullptr;
}

void AutoClickForm::OnLoad() {
    MarkOwnWindow(Window());
    PreviousAutoClickWindowProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AutoClickForm::AutoClickWindowProcedure)));
    StartHotkey();
    if (StartedWithDwellSwitch()) {
        SetDwellEnabled(true);
    } else {
        SwitchDwell(ReadDwellPreference());
    }
}

bool AutoClickForm::OnQueryUnload() {
    hotkey_.Stop();
    return false;
}

// A hotkey another program holds already is left to it; the user hears of
// it from the notification icon and in the settings.
void AutoClickForm::StartHotkey() {
    hotkeyRegistration_.SetWindow(Window());
    RegistryPreferences preferences;
    hotkey_.Start(preferences, hotkeyRegistration_);
    if (!hotkey_.Problem().empty()) WriteDebugLine("Auto click has no hotkey: " + hotkey_.Problem());
}

LRESULT CALLBACK AutoClickForm::AutoClickWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    AutoClickForm* form = TheAutoClickForm;
    if (form && form->Window() == window && message == AUTO_CLICK_MESSAGE) {
        // Any program may post it: only the plain request (0, 0) opens the box.
        const PrivateMessage m{PrivateWindow::AutoClick, message, static_cast<uint32_t>(wParam),
                               static_cast<uint32_t>(lParam)};
        if (!AcceptPrivateMessage(m)) return 0;
        form->ProcessAutoClickActivate();
        return 1;
    }
    return CallWindowProcA(PreviousAutoClickWindowProcedure, window, message, wParam, lParam);
}

LRESULT AutoClickForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!OverLabel1(lParam)) {
                POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                ClientToScreen(Window(), &at);
                box_.OnMouseMove({at.x, at.y});
            }
            return 0;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;  // the box never takes the keyboard
        case WM_HOTKEY:
            if (static_cast<int>(wParam) == hotkeyRegistration_.Id()) ProcessAutoClickActivate();
            return 0;
        default: return Form::HandleMessage(message, wParam, lParam);
    }
}

// The label lets the mouse through to the form; its own area does not count.
bool AutoClickForm::OverLabel1(LPARAM clientPoint) const {
    HWND label = Control(Label1);
    if (!label || !IsWindowVisible(label)) return false;
    RECT rect{};
    GetWindowRect(label, &rect);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
    const POINT point{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    return PtInRect(&rect, point) != 0;
}

void AutoClickForm::SetDwellEnabled(bool enabled) {
    SwitchDwell(enabled);
    StoreDwellPreference(enabled);
}

void AutoClickForm::SwitchDwell(bool enabled) {
    dwellEnabled_ = enabled;
    dwell_.Reset();
    DwellTimer.SetEnabled(enabled);
}

void AutoClickForm::OnDwellTimer() {
    POINT point{};
    if (!GetCursorPos(&point)) return;  // e.g. while the desktop is locked
    const DwellSample sample{clock_.NowMs(),
                             {point.x, point.y},
                             AnyButtonHeld(),
                             OverOwnWindow(point),
                             Visible(),
                             paused_ || (quiet_ && quiet_()),
                             library_.GetUserLastClickOrKeyTime()};
    if (dwell_.OnSample(sample)) box_.OpenByDwell();
}

FormTimer& AutoClickForm::TimerOf(AutoClickTimer timer) {
    return timer == AutoClickTimer::Click ? ClickTimer : HideTimer;
}

ScreenPoint AutoClickForm::CursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void AutoClickForm::ShowBox(const ScreenPoint& cursor) {
    const int width = TwipsToPixels(AUTO_CLICK_WIDTH_TWIPS, DpiX());
    const int height = TwipsToPixels(AUTO_CLICK_HEIGHT_TWIPS, DpiY());
    const ScreenPoint place = PlaceAutoClickBox(cursor, width, height, MonitorAround(cursor));
    SetWindowPos(Window(), HWND_TOPMOST, place.x, place.y, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

// Disabled with interval 0, then enabled with the new interval: the count
// starts over.
void AutoClickForm::StartTimer(AutoClickTimer which, unsigned ms) {
    FormTimer& timer = TimerOf(which);
    timer.SetEnabled(false);
    timer.SetInterval(0);
    timer.SetEnabled(true);
    timer.SetInterval(ms);
}

// The box has just been hidden. Where windows are drawn by another server
// (Wine on X), the program beneath the pointer hears of it a moment later and
// then reports the pointer where the box was; such a report arriving while
// the library holds the pointer at the click point would move the click. The
// hiding is sent on at once (a look at the queue does that) and the report
// given time to come first.
void AutoClickForm::SimulateClick(int x, int y) {
    MSG pending;
    PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
    clock_.PauseMs(AUTO_CLICK_SETTLE_MS);
    library_.SimulateClick(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
}

void AutoClickForm::DebugLine(const std::string& text) { WriteDebugLine(text); }

}  // namespace quorvel
