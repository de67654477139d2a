// A small form layer: a top-level window of class "ThunderRT6FormDC" with
// buttons, check boxes, frames and labels placed in twips from a control
// table, the table's tab order, a default and a cancel button, the form's
// font and background colour, and window timers (FormTimer).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/win32/Owners.h"
#include "control/core/ControlTable.h"

namespace quorvel {

class FormTimer;

class Form {
public:
    explicit Form(const FormTable& table);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls, hidden; runs OnLoad.
    HWND Load(HWND owner = nullptr);
    // Asks OnQueryUnload; unless it cancels, destroys the window. Returns
    // whether the form is unloaded.
    bool Unload();
    bool Loaded() const { return static_cast<bool>(window_); }
    // WM_CLOSE (a close box, Alt+F4, another program) only hides the form
    // unless `programExiting` says the program is ending.
    void HideOnClose(std::function<bool()> programExiting) { programExiting_ = std::move(programExiting); }
    // The window disabled while this form is shown modally: enabled again
    // before the form's window goes, so activation returns to it.
    void SetModalOwner(HWND owner) { modalOwner_ = owner; }

    HWND Window() const { return window_.Get(); }
    HWND Control(int index) const;

    void Show();
    // Shows the form without taking the keyboard from the window in use.
    void ShowWithoutActivating();
    void Hide();
    bool Visible() const;
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void CentreOnScreen();

    // Outer and client sizes in twips; the outer height is kept exactly as
    // set, the window gets the nearest whole number of pixels.
    double HeightTwips() const { return heightTwips_; }
    double WidthTwips() const;
    void SetHeightTwips(double height);
    double ClientHeightTwips() const;
    int DpiX() const { return dpiX_; }
    int DpiY() const { return dpiY_; }

    // The form's font (the controls' too).
    HFONT Font() const { return font_.Get(); }

    // A hotkey control's value (HKM_GETHOTKEY: key, HOTKEYF_* << 8).
    uint32_t HotKeyValue(int control) const;
    void SetHotKeyValue(int control, uint32_t value);
    void SetControlText(int control, const std::string& text);
    bool Checked(int control) const;
    void SetChecked(int control, bool checked);
    void SetControlVisible(int control, bool visible);
    void SetControlEnabled(int control, bool enabled);

protected:
    virtual void OnLoad() {}
    virtual void OnClick(int control) {}
    virtual bool OnQueryUnload() { return false; }  // true cancels the unload
    virtual void OnUnloaded() {}
    virtual void OnPaint(HDC dc, const RECT& client) {}
    // The control that has the keyboard when the form is first activated
    // (the first in tab order unless a form says otherwise).
    virtual int FirstFocus() const { return -1; }
    // The form's window procedure; unhandled messages go to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class FormTimer;
    static LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateBrushAndFont();
    void ChooseColours();
    bool TableHasKind(ControlKind kind) const;
    bool CreateFormWindow(HWND owner);
    void CreateControls();
    void PlaceControl(int index, HWND control);
    void StackControls();
    void OnTimerMessage(UINT_PTR id);
    LRESULT OnCommand(WPARAM wParam);
    void OnActivate(WPARAM wParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnPaintMessage();
    LRESULT OnControlColour(HDC dc);
    int ControlWithRole(ControlRole role) const;
    void RestoreFocus();
    int NonClientHeight() const;

    const FormTable& table_;
    // Declared before the window, so that they go after it: its controls
    // draw with them until then.
    OwnedBrush ownBackground_;     // a colour of the table's own
    HBRUSH background_ = nullptr;  // that one, or a system colour's shared brush
    OwnedFont font_;
    OwnedWindow window_;
    std::vector<HWND> controls_;
    std::vector<FormTimer*> timers_;
    COLORREF backgroundColour_ = 0;
    COLORREF textColour_ = 0;
    HWND lastFocus_ = nullptr;
    HWND modalOwner_ = nullptr;
    std::function<bool()> programExiting_;
    int dpiX_ = 96;
    int dpiY_ = 96;
    double heightTwips_ = 0;
};

// Registers the form window class once per process.
void RegisterFormClass(HINSTANCE instance);
// Whether a window is one of this program's forms.
bool IsFormWindow(HWND window);
// Gives one of Quorvel's windows the marker the hooks and a second start
// look for.
void MarkOwnWindow(HWND window);
// A marked top-level window that is never shown and has no caption (so it
// is never taken for the main window "Quorvel"); top-level, not
// message-only, so that it hears what Windows broadcasts. `creator` is the
// creation parameter.
OwnedWindow CreateHiddenOwnWindow(const char* className, WNDPROC procedure, void* creator);

}  // namespace quorvel
