#include "FormStyles.h"

#include <commctrl.h>

namespace quorvel {

namespace {
constexpr int POINTS_PER_INCH = 72;

HFONT CreateNamedFont(const char* face, int points, int dpiY) {
    return CreateFontA(-MulDiv(points, dpiY, POINTS_PER_INCH), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}
}  // namespace

DWORD FormStyle(FormFrame frame) {
    switch (frame) {
        case FormFrame::FixedSingle: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        case FormFrame::FixedDialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case FormFrame::ToolWindow: return WS_POPUP | WS_CAPTION;
        case FormFrame::ThinLine: return WS_POPUP | WS_BORDER;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD FormExStyle(FormFrame frame) {
    switch (frame) {
        case FormFrame::FixedDialog: return WS_EX_DLGMODALFRAME;
        case FormFrame::ToolWindow:
        case FormFrame::ThinLine: return WS_EX_TOOLWINDOW;
        default: return 0;
    }
}

const char* ControlClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "STATIC";
        case ControlKind::ListBox: return "LISTBOX";
        case ControlKind::TextBox: return "EDIT";
        case ControlKind::HotKey: return HOTKEY_CLASSA;
        default: return "BUTTON";
    }
}

DWORD ControlStyle(const ControlRow& control) {
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (control.kind) {
        case ControlKind::Button:
            return common | WS_TABSTOP | (control.role == ControlRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        case ControlKind::CheckBox: return common | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE;
        case ControlKind::Frame: return common | BS_GROUPBOX;
        case ControlKind::Label: return common | SS_LEFT;
        case ControlKind::ListBox:
            return common | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        case ControlKind::TextBox: return common | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        case ControlKind::HotKey: return common | WS_TABSTOP | WS_BORDER;
    }
    return common;
}

bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A system that does not tell its message font gets the dialog font of its time.
HFONT CreateFormFont(const FormFont& font, int dpiY) {
    if (font.face) return CreateNamedFont(font.face, font.points, dpiY);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;  // the size every Windows since 2000 knows
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return CreateFontIndirectA(&metrics.lfMessageFont);
    }
    return CreateNamedFont("MS Shell Dlg 2", 8, dpiY);
}

}  // namespace quorvel
