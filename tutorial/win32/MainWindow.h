// The tutorial's Win32 window: MainForm's controls as real child windows,
// placed from their twips with the display's DPI, painted with the form's
// fonts and colours (MainWindowPaint.cpp), and the input events handed to
// MainForm.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/Owners.h"
#include "tutorial/FormLayout.h"
#include "tutorial/MainForm.h"
#include "tutorial/TutorialView.h"

namespace quorvel::tutorial {

// Shared by the window's creation and its painting.
inline COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

inline bool IsOperationId(int id) { return id >= OperationLabelId(0) && id < OperationLabelId(OPERATION_COUNT); }

class MainWindow : public TutorialView {
public:
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and its controls and runs Form_Load; false on failure.
    bool Create(HINSTANCE instance);
    // The message loop; returns the exit code.
    int Run();

    // TutorialView
    void SetVisible(Control control, bool visible) override;
    void SetEnabled(Control control, bool enabled) override;
    void SetCaption(Control control, const std::string& text) override;
    void SetWidth(Control control, int twips) override;
    void SetHeight(Control control, int twips) override;
    void MoveTo(Control control, int left, int top) override;
    void ShowMousePicture(MousePicture picture) override;
    void SetOperationVisible(int index, bool visible) override;
    void SetOperationEnabled(int index, bool enabled) override;
    void SetOperationHeight(int index, int twips) override;
    void SetOperationColor(int index, Rgb color) override;
    void EnableOpeningTimer(int intervalMs) override;
    void DisableOpeningTimer() override;
    bool Pause(int ms) override;
    long long NowMs() override;

private:
    enum FontKind { kFontOperation, kFontHead, kFontStep, kFontText, kFontBoldText, kFontCount };

    static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ContainerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OperationLabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static MainWindow* FromChild(HWND hwnd);

    LRESULT HandleFormMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void DrawLabel(const DRAWITEMSTRUCT& item, HFONT font, COLORREF color, UINT format);
    void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP bitmap);
    void DrawLine(const DRAWITEMSTRUCT& item);
    void DrawCircle(const DRAWITEMSTRUCT& item);
    void PaintFrame(HWND frame, HDC dc);

    void CreateResources();
    void CreateControls();
    HWND CreateChild(const char* className, const char* text, DWORD style, HWND parent, TwipsRect rect, int id);
    void CreateTooltips();
    void Place(HWND hwnd, const TwipsRect& rect);
    int Px(int twips) const { return TwipsToPixels(twips, dpiX_); }
    int Py(int twips) const { return TwipsToPixels(twips, dpiY_); }
    HWND Handle(Control control) const { return controls_[static_cast<int>(control)]; }
    COLORREF BackgroundOf(HWND control) const;

    HINSTANCE instance_ = nullptr;
    // What the window draws with, declared before it so that it goes after it.
    OwnedFont fonts_[kFontCount];
    OwnedBitmap mousePictures_[4];
    OwnedBitmap arrowLeft_;
    OwnedBitmap arrowRight_;
    OwnedBrush pictureBrush_;
    OwnedCursor operationCursor_;  // null: the system's shared hand is used
    OwnedWindow form_;
    HWND controls_[CONTROL_COUNT] = {};
    HWND operations_[OPERATION_COUNT] = {};
    TwipsRect rects_[CONTROL_COUNT] = {};
    TwipsRect operationRects_[OPERATION_COUNT] = {};
    COLORREF operationColors_[OPERATION_COUNT] = {};
    WNDPROC labelBaseProc_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    MousePicture mousePicture_ = MousePicture::NoButton;
    MainForm mainForm_;
};

}  // namespace quorvel::tutorial
