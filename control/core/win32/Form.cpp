#include "Form.h"

#include <commctrl.h>

#include <cstring>

#include "FormStyles.h"
#include "common/Messages.h"
#include "FormTimer.h"
#include "control/core/InstanceHandOver.h"
#include "common/Twips.h"

namespace quorvel {

namespace {

constexpr int FIRST_CONTROL_ID = 100;
constexpr int CLASS_NAME_LENGTH = 64;

int ScreenPixelsPerInch(int axis) {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), axis);
    return dpi > 0 ? dpi : 96;
}

Form* FormOf(HWND window) { return reinterpret_cast<Form*>(GetWindowLongPtrA(window, 0)); }

}  // namespace

void RegisterFormClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, MAIN_WINDOW_CLASS, &windowClass)) return;
    windowClass.lpfnWndProc = DefWindowProcA;  // replaced per window in Form::Load
    windowClass.hInstance = instance;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
    windowClass.lpszClassName = MAIN_WINDOW_CLASS;
    RegisterClassA(&windowClass);
}

bool IsFormWindow(HWND window) {
    char name[CLASS_NAME_LENGTH] = {};
    return window && GetClassNameA(window, name, sizeof name) && std::strcmp(name, MAIN_WINDOW_CLASS) == 0;
}

Form::Form(const FormTable& table) : table_(table) {}

// The window goes first, then its font and brush (see the members).
Form::~Form() = default;

HWND Form::Load(HWND owner) {
    if (window_) return window_.Get();
    dpiX_ = ScreenPixelsPerInch(LOGPIXELSX);
    dpiY_ = ScreenPixelsPerInch(LOGPIXELSY);
    if (TableHasKind(ControlKind::HotKey)) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_HOTKEY_CLASS};
        InitCommonControlsEx(&controls);
    }
    CreateBrushAndFont();
    if (!CreateFormWindow(owner)) return nullptr;
    CreateControls();
    for (FormTimer* timer : timers_) timer->Apply();
    OnLoad();
    return window_.Get();
}

bool Form::TableHasKind(ControlKind kind) const {
    for (const ControlRow& row : table_.controls) {
        if (row.kind == kind) return true;
    }
    return false;
}

void Form::CreateBrushAndFont() {
    if (!background_) ChooseColours();
    if (!font_) {
        font_.Reset(CreateFormFont(table_.font, dpiY_));
    }
}

// Again whenever the user switches high contrast or changes the colours.
void Form::ChooseColours() {
    const FormPaint paint = PaintOf(table_.background, HighContrastOn());
    const FormColour& colour = paint.background;
    textColour_ = GetSysColor(static_cast<int>(paint.text));
    backgroundColour_ = colour.isSystemColour ? GetSysColor(static_cast<int>(colour.value)) : colour.value;
    HBRUSH own = colour.isSystemColour ? nullptr : CreateSolidBrush(colour.value);
    background_ = colour.isSystemColour ? GetSysColorBrush(static_cast<int>(colour.value)) : own;
    ownBackground_.Reset(own);
}

// The window gets the table's client size, or its outer height when the
// table gives one; the outer height is remembered in twips.
bool Form::CreateFormWindow(HWND owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterFormClass(instance);
    const DWORD style = FormStyle(table_.frame);
    const DWORD exStyle = FormExStyle(table_.frame);
    const int clientHeight = TwipsToPixels(table_.clientHeight, dpiY_);
    RECT outer{0, 0, TwipsToPixels(table_.clientWidth, dpiX_), clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int frameHeight = (outer.bottom - outer.top) - clientHeight;
    heightTwips_ = table_.outerHeight ? table_.outerHeight : table_.clientHeight + PixelsToTwips(frameHeight, dpiY_);
    window_.Reset(CreateWindowExA(exStyle, MAIN_WINDOW_CLASS, table_.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  outer.right - outer.left, TwipsToPixels(heightTwips_, dpiY_), owner, nullptr,
                                  instance, nullptr));
    if (!window_) return false;
    SetWindowLongPtrA(Window(), 0, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::FormProcedure));
    return true;
}

void Form::CreateControls() {
    controls_.clear();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (size_t i = 0; i < table_.controls.size(); ++i) {
        const ControlRow& table = table_.controls[i];
        HWND control =
            CreateWindowExA(0, ControlClass(table.kind), table.caption, ControlStyle(table), 0, 0, 0, 0, Window(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(FIRST_CONTROL_ID + i)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        controls_.push_back(control);
    }
    for (size_t i = 0; i < controls_.size(); ++i) PlaceControl(static_cast<int>(i), controls_[i]);
    StackControls();
}

void Form::PlaceControl(int index, HWND control) {
    const ControlRow& table = table_.controls[index];
    int left = TwipsToPixels(table.left, dpiX_);
    int top = TwipsToPixels(table.top, dpiY_);
    if (table.container != NO_CONTAINER) {
        const ControlRow& frame = table_.controls[table.container];
        left += TwipsToPixels(frame.left, dpiX_);
        top += TwipsToPixels(frame.top, dpiY_);
    }
    MoveWindow(control, left, top, TwipsToPixels(table.width, dpiX_), TwipsToPixels(table.height, dpiY_), FALSE);
}

// Labels are drawn beneath the other controls and frames beneath their
// contents; the tab order of the rest is the creation order.
void Form::StackControls() {
    for (ControlKind kind : {ControlKind::Label, ControlKind::Frame}) {
        for (size_t i = 0; i < controls_.size(); ++i) {
            if (table_.controls[i].kind == kind) {
                SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
        }
    }
}

bool Form::Unload() {
    if (!window_) return true;
    if (OnQueryUnload()) return false;
    for (FormTimer* timer : timers_) KillTimer(Window(), timer->id_);
    OwnedWindow window = std::move(window_);
    controls_.clear();
    lastFocus_ = nullptr;
    // Windows activates the owner of a destroyed window only if it is enabled;
    // otherwise another program comes to the front.
    if (modalOwner_) EnableWindow(modalOwner_, TRUE);
    modalOwner_ = nullptr;
    SetWindowLongPtrA(window.Get(), 0, 0);
    window.Reset();
    OnUnloaded();
    return true;
}

HWND Form::Control(int index) const {
    return index >= 0 && index < static_cast<int>(controls_.size()) ? controls_[index] : nullptr;
}

void Form::Show() {
    if (Window()) ShowWindow(Window(), SW_SHOW);
}

void Form::ShowWithoutActivating() {
    if (Window()) ShowWindow(Window(), SW_SHOWNOACTIVATE);
}

void Form::Hide() {
    if (Window()) ShowWindow(Window(), SW_HIDE);
}

bool Form::Visible() const { return Window() && IsWindowVisible(Window()); }

void Form::SetCaption(const std::string& caption) {
    if (Window()) SetWindowTextA(Window(), caption.c_str());
}

std::string Form::Caption() const {
    char text[256] = {};
    if (Window()) GetWindowTextA(Window(), text, sizeof text);
    return text;
}

void Form::CentreOnScreen() {
    RECT rect{};
    GetWindowRect(Window(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(Window(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Form::WidthTwips() const {
    RECT rect{};
    GetWindowRect(Window(), &rect);
    return PixelsToTwips(rect.right - rect.left, dpiX_);
}

void Form::SetHeightTwips(double height) {
    heightTwips_ = height;
    RECT rect{};
    GetWindowRect(Window(), &rect);
    SetWindowPos(Window(), nullptr, 0, 0, rect.right - rect.left, TwipsToPixels(height, dpiY_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Measured from the style, so that it stays right when the window is
// squeezed below the height of its frame.
int Form::NonClientHeight() const {
    RECT frame{0, 0, 0, 0};
    HWND window = Window();
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE, GetWindowLongA(window, GWL_EXSTYLE));
    return frame.bottom - frame.top;
}

double Form::ClientHeightTwips() const { return heightTwips_ - PixelsToTwips(NonClientHeight(), dpiY_); }

uint32_t Form::HotKeyValue(int control) const {
    return static_cast<uint32_t>(SendMessageA(Control(control), HKM_GETHOTKEY, 0, 0)) & 0xFFFF;
}

// A hotkey needs Ctrl or Alt: a key alone or with Shift only becomes Ctrl+Alt.
void Form::SetHotKeyValue(int control, uint32_t value) {
    SendMessageA(Control(control), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    SendMessageA(Control(control), HKM_SETHOTKEY, value & 0xFFFF, 0);
}

void Form::SetControlText(int control, const std::string& text) {
    if (Control(control)) SetWindowTextA(Control(control), text.c_str());
}

bool Form::Checked(int control) const { return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Form::SetChecked(int control, bool checked) {
    SendMessageA(Control(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form::SetControlVisible(int control, bool visible) { ShowWindow(Control(control), visible ? SW_SHOW : SW_HIDE); }

void Form::SetControlEnabled(int control, bool enabled) { EnableWindow(Control(control), enabled); }

int Form::ControlWithRole(ControlRole role) const {
    for (size_t i = 0; i < table_.controls.size(); ++i) {
        if (table_.controls[i].role == role) return static_cast<int>(i);
    }
    return -1;
}

void Form::OnTimerMessage(UINT_PTR id) {
    for (FormTimer* timer : timers_) {
        if (timer->id_ == id) {
            timer->Tick();
            return;
        }
    }
}

LRESULT Form::OnCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    int control = -1;
    if (id == IDOK) {
        control = ControlWithRole(ControlRole::Default);
    } else if (id == IDCANCEL) {
        control = ControlWithRole(ControlRole::Cancel);
    } else if (HIWORD(wParam) == BN_CLICKED && id >= FIRST_CONTROL_ID) {
        control = id - FIRST_CONTROL_ID;
    }
    if (control >= 0 && control < static_cast<int>(controls_.size()) && IsWindowEnabled(controls_[control])) {
        OnClick(control);
    }
    return 0;
}

void Form::RestoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    HWND first = Control(FirstFocus());
    if (!first || !IsWindowEnabled(first) || !IsWindowVisible(first))
        first = GetNextDlgTabItem(Window(), nullptr, FALSE);
    if (first) SetFocus(first);
}

void Form::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Window(), focus)) lastFocus_ = focus;
    } else {
        RestoreFocus();
    }
}

// A form whose system menu has no Close item cannot be closed by the close
// box or Alt+F4.
LRESULT Form::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_CLOSE &&
        GetMenuState(GetSystemMenu(Window(), FALSE), SC_CLOSE, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
        return 0;
    }
    return DefWindowProcA(Window(), WM_SYSCOMMAND, wParam, lParam);
}

void Form::OnPaintMessage() {
    const Painting paint(Window());
    RECT client{};
    GetClientRect(Window(), &client);
    OnPaint(paint.Dc(), client);
}

// Labels, check boxes and frames take the form's background colour and
// the text colour that goes with it.
LRESULT Form::OnControlColour(HDC dc) {
    SetBkColor(dc, backgroundColour_);
    SetTextColor(dc, textColour_);
    return reinterpret_cast<LRESULT>(background_);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: return OnCommand(wParam);
        case WM_TIMER: OnTimerMessage(wParam); return 0;
        case DM_GETDEFID: {
            const int control = ControlWithRole(ControlRole::Default);
            return control < 0 ? 0 : MAKELONG(FIRST_CONTROL_ID + control, DC_HASDEFID);
        }
        case WM_CLOSE:
            if (programExiting_ && !programExiting_()) {
                Hide();
            } else {
                Unload();
            }
            return 0;
        case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
        case WM_ACTIVATE: OnActivate(wParam); return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Window(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_);
            return 1;
        }
        case WM_PAINT: OnPaintMessage(); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return OnControlColour(reinterpret_cast<HDC>(wParam));
        case WM_SETTINGCHANGE:
            if (wParam != SPI_SETHIGHCONTRAST) return DefWindowProcA(Window(), message, wParam, lParam);
            [[fallthrough]];  // high contrast went on or off
        case WM_SYSCOLORCHANGE:
            ChooseColours();
            InvalidateRect(Window(), nullptr, TRUE);
            return 0;
        default: return DefWindowProcA(Window(), message, wParam, lParam);
    }
}

LRESULT CALLBACK Form::FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = FormOf(window);
    if (!form || form->Window() != window) return DefWindowProcA(window, message, wParam, lParam);
    return form->HandleMessage(message, wParam, lParam);
}

void MarkOwnWindow(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(static_cast<LONG>(OWN_WINDOW_MARKER)));
}

OwnedWindow CreateHiddenOwnWindow(const char* className, WNDPROC procedure, void* creator) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    OwnedWindow window(
        CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, creator));
    if (window) MarkOwnWindow(window.Get());
    return window;
}

}  // namespace quorvel
