#include "MainWindow.h"

#include <commctrl.h>

#include <vector>

#include "MessagePause.h"
#include "Pictures.h"
#include "tutorial/TextWrap.h"

namespace quorvel::tutorial {

namespace {

const char* const kFormClass = "QuorvelTutorialForm";
const char* const kContainerClass = "QuorvelTutorialContainer";
const char* const kFormCaption = "Quorvel Shortcuts Tutorial";
const char* const kTooltipText = "Click to show";
const char* const kBaseProcProperty = "QuorvelTutorialBaseProc";
constexpr UINT_PTR kOpeningTimerId = 1;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const COLORREF kHeadColor = RGB(0, 0, 128);
const COLORREF kStepColor = RGB(24, 24, 40);
const COLORREF kSeeAnimationColor = RGB(200, 64, 24);
const COLORREF kTextColor = RGB(0, 0, 0);

COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

// Draws `line` with every letter where GetTextExtentExPoint measured it, so
// that the line is exactly as wide as it was when it was broken.
void DrawMeasuredLine(HDC dc, int x, int y, const RECT& clip, const std::string& line) {
    const int count = static_cast<int>(line.size());
    if (count == 0) return;
    std::vector<int> ends(line.size()), advances(line.size());
    SIZE size;
    GetTextExtentExPointA(dc, line.c_str(), count, 0, nullptr, ends.data(), &size);
    for (int i = 0; i < count; ++i) advances[i] = ends[i] - (i ? ends[i - 1] : 0);
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, line.c_str(), static_cast<UINT>(count), advances.data());
}

bool IsOperationId(int id) { return id >= OperationLabelId(0) && id < OperationLabelId(kOperationCount); }

}  // namespace

MainWindow::MainWindow() : mainForm_(*this) {}

MainWindow::~MainWindow() {
    if (form_ && IsWindow(form_)) DestroyWindow(form_);
    for (HFONT f : fonts_) if (f) DeleteObject(f);
    for (HBITMAP b : mousePictures_) if (b) DeleteObject(b);
    if (arrowLeft_) DeleteObject(arrowLeft_);
    if (arrowRight_) DeleteObject(arrowRight_);
    if (pictureBrush_) DeleteObject(pictureBrush_);
    if (operationCursor_) DestroyCursor(operationCursor_);  // only our own one
}

bool MainWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CreateResources();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    if (!RegisterClassA(&wc)) return false;
    wc.lpfnWndProc = ContainerProc;
    wc.hIcon = nullptr;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kContainerClass;
    if (!RegisterClassA(&wc)) return false;

    RECT frame = {0, 0, Px(kClientWidthTwips), Py(kClientHeightTwips)};
    AdjustWindowRect(&frame, kFormStyle, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - width) / 2;
    const int y = work.top + ((work.bottom - work.top) - height) / 2;
    form_ = CreateWindowExA(0, kFormClass, kFormCaption, kFormStyle, x < work.left ? work.left : x,
                            y < work.top ? work.top : y, width, height, nullptr, nullptr, instance, this);
    if (!form_) return false;
    CreateControls();
    CreateTooltips();
    mainForm_.Form_Load();
    ShowWindow(form_, SW_SHOWNORMAL);
    UpdateWindow(form_);
    return true;
}

int MainWindow::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsWindow(form_) || !IsDialogMessageA(form_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void MainWindow::CreateResources() {
    struct FontSpec { int points; int weight; };
    const FontSpec specs[kFontCount] = {{9, FW_BOLD}, {14, FW_BOLD}, {10, FW_BOLD}, {9, FW_NORMAL}, {9, FW_BOLD}};
    for (int i = 0; i < kFontCount; ++i) {
        fonts_[i] = CreateFontA(-MulDiv(specs[i].points, dpiY_, 72), 0, 0, 0, specs[i].weight, FALSE, FALSE, FALSE,
                                ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                VARIABLE_PITCH | FF_SWISS, "Arial");
    }
    const COLORREF pictureBack = ToColorRef(kPicture1BackColor);
    pictureBrush_ = CreateSolidBrush(pictureBack);
    const TwipsRect mouse = DesignRect(Control::PictureMouse);
    const MousePicture pictures[4] = {MousePicture::NoButton, MousePicture::RightButton, MousePicture::MiddleButton,
                                      MousePicture::LeftRightButton};
    for (int i = 0; i < 4; ++i) mousePictures_[i] = DrawMousePicture(pictures[i], Px(mouse.width), Py(mouse.height), pictureBack);
    const TwipsRect left = DesignRect(Control::PictureArrowLeft), right = DesignRect(Control::PictureArrowRight);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    arrowLeft_ = DrawArrowPicture(true, Px(left.width), Py(left.height), face);
    arrowRight_ = DrawArrowPicture(false, Px(right.width), Py(right.height), face);
    operationCursor_ = CreateOperationCursor(dpiX_);
}

HWND MainWindow::CreateChild(const char* className, const char* text, DWORD style, HWND parent, TwipsRect rect,
                             int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | style, Px(rect.left), Py(rect.top), Px(rect.width),
                           Py(rect.height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                           nullptr);
}

void MainWindow::CreateControls() {
    for (int i = 0; i < kOperationCount; ++i) {
        operationRects_[i] = OperationLabelRect(i);
        operationColors_[i] = ToColorRef(kNormalColor);
        HWND label = CreateChild("STATIC", GetOperation(i).caption, SS_OWNERDRAW | SS_NOTIFY, form_,
                                 operationRects_[i], OperationLabelId(i));
        SetPropA(label, kBaseProcProperty,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(label, GWLP_WNDPROC,
                                                            reinterpret_cast<LONG_PTR>(OperationLabelProc))));
        operations_[i] = label;
    }
    // Containers first, so that their children can be made inside them.
    const Control order[] = {Control::Picture1, Control::Frame1, Control::LabelHead, Control::PictureArrowLeft,
                             Control::LabelStep1, Control::LabelStep2, Control::LabelStep3,
                             Control::LabelSeeAnimation, Control::PictureArrowRight, Control::PictureMouse,
                             Control::LabelDescriptionText, Control::LabelCursorMovement,
                             Control::LabelMoveDescription, Control::LineHorizontal, Control::ShapeCircle,
                             Control::CommandShowAgain};
    for (Control c : order) {
        const int i = static_cast<int>(c);
        rects_[i] = DesignRect(c);
        HWND parent = c == Control::PictureMouse ? Handle(Control::Picture1)
                      : IsInsideFrame1(c)        ? Handle(Control::Frame1)
                                                 : form_;
        const char* cls = "STATIC";
        DWORD style = SS_OWNERDRAW;
        DWORD exStyle = 0;
        switch (c) {
            case Control::Picture1:
                cls = kContainerClass;
                style = WS_CLIPCHILDREN;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case Control::Frame1:
                cls = kContainerClass;
                style = WS_CLIPCHILDREN;
                break;
            case Control::CommandShowAgain:
                cls = "BUTTON";
                style = BS_PUSHBUTTON | WS_TABSTOP;
                break;
            default: break;
        }
        if (VisibleAtStart(c)) style |= WS_VISIBLE;
        HWND hwnd = CreateChild(cls, DesignCaption(c), style, parent, rects_[i], ControlId(c));
        if (exStyle) {
            SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        }
        controls_[i] = hwnd;
    }
    SendMessageA(Handle(Control::CommandShowAgain), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kFontText]), FALSE);
}

void MainWindow::CreateTooltips() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, instance_, nullptr);
    if (!tooltip_) return;
    for (HWND label : operations_) {
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = form_;
        ti.uId = reinterpret_cast<UINT_PTR>(label);
        ti.lpszText = const_cast<char*>(kTooltipText);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

MainWindow* MainWindow::FromChild(HWND hwnd) {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    return root ? reinterpret_cast<MainWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK MainWindow::FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->HandleFormMessage(hwnd, msg, wParam, lParam);
}

LRESULT MainWindow::HandleFormMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            if (wParam == kOpeningTimerId) mainForm_.TimerAnimateLabel_Timer();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_MOUSEMOVE:
            mainForm_.Form_MouseMove();
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd, kOpeningTimerId);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::ContainerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = FromChild(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const bool isPicture = GetDlgCtrlID(hwnd) == ControlId(Control::Picture1);
    switch (msg) {
        case WM_COMMAND:
            self->OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_MOUSEMOVE:
            if (isPicture) {
                self->mainForm_.Picture1_MouseMove();
            } else {
                self->mainForm_.Frame1_MouseMove();
            }
            return 0;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r,
                     isPicture ? self->pictureBrush_ : GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (!isPicture) self->PaintFrame(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::OperationLabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto base = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kBaseProcProperty));
    MainWindow* self = FromChild(hwnd);
    if (self) {
        if (msg == WM_MOUSEMOVE) {
            self->mainForm_.LabelOperation_MouseMove(GetDlgCtrlID(hwnd) - OperationLabelId(0));
        } else if (msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
            // The system's hand is shared: used when ours could not be made, never destroyed.
            SetCursor(self->operationCursor_ ? self->operationCursor_ : LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, kBaseProcProperty);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    }
    return base ? CallWindowProcA(base, hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    if (IsOperationId(id) && (code == STN_CLICKED || code == STN_DBLCLK)) {
        mainForm_.LabelOperation_Click(id - OperationLabelId(0));
    } else if (id == ControlId(Control::CommandShowAgain) && code == BN_CLICKED) {
        mainForm_.CommandShowAgain_Click();
    }
}

COLORREF MainWindow::BackgroundOf(HWND control) const {
    return GetParent(control) == Handle(Control::Picture1) ? ToColorRef(kPicture1BackColor)
                                                           : GetSysColor(COLOR_BTNFACE);
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    if (IsOperationId(id)) {
        const int index = id - OperationLabelId(0);
        COLORREF color = operationColors_[index];
        const bool disabled = (item.itemState & ODS_DISABLED) || !IsWindowEnabled(item.hwndItem);
        if (disabled && color != ToColorRef(kSelectedColor)) color = GetSysColor(COLOR_GRAYTEXT);
        DrawLabel(item, fonts_[kFontOperation], color, DT_WORDBREAK);
        return;
    }
    switch (static_cast<Control>(id - kControlIdBase)) {
        case Control::LabelHead: DrawLabel(item, fonts_[kFontHead], kHeadColor, DT_WORDBREAK); break;
        case Control::LabelStep1:
        case Control::LabelStep2:
        case Control::LabelStep3: DrawLabel(item, fonts_[kFontStep], kStepColor, DT_WORDBREAK); break;
        case Control::LabelSeeAnimation:
            DrawLabel(item, fonts_[kFontStep], kSeeAnimationColor, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::LabelDescriptionText: DrawLabel(item, fonts_[kFontText], kTextColor, DT_WORDBREAK); break;
        case Control::LabelCursorMovement:
            DrawLabel(item, fonts_[kFontBoldText], kTextColor, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::LabelMoveDescription:
            DrawLabel(item, fonts_[kFontText], kTextColor, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::PictureArrowLeft: DrawPicture(item, arrowLeft_); break;
        case Control::PictureArrowRight: DrawPicture(item, arrowRight_); break;
        case Control::PictureMouse: {
            const int picture = static_cast<int>(mousePicture_) - static_cast<int>(MousePicture::NoButton);
            DrawPicture(item, mousePictures_[picture < 0 ? 0 : picture]);
            break;
        }
        case Control::LineHorizontal: DrawLine(item); break;
        case Control::ShapeCircle: DrawCircle(item); break;
        default: break;
    }
}

void MainWindow::DrawLabel(const DRAWITEMSTRUCT& item, HFONT font, COLORREF color, UINT format) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    HBRUSH back = CreateSolidBrush(BackgroundOf(item.hwndItem));
    FillRect(dc, &r, back);
    DeleteObject(back);
    const std::string text = WindowText(item.hwndItem);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    if (format & DT_WORDBREAK) {
        // Lines are broken here rather than by DrawText, whose breaking some
        // renderers get wrong (dropping the last letter of a line).
        const TextMeasure measure = [dc](const std::string& piece) {
            SIZE size = {0, 0};
            GetTextExtentPoint32A(dc, piece.c_str(), static_cast<int>(piece.size()), &size);
            return static_cast<int>(size.cx);
        };
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        int y = r.top;
        const int width = r.right - r.left - MulDiv(4, dpiX_, 96);  // room for overhanging letters
        for (const std::string& line : WrapText(text, width, measure)) {
            if (y >= r.bottom) break;
            DrawMeasuredLine(dc, r.left, y, r, line);
            y += tm.tmHeight + tm.tmExternalLeading;
        }
    } else {
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX | DT_LEFT);
    }
    SelectObject(dc, old);
}

void MainWindow::DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP bitmap) {
    HDC dc = item.hDC;
    HBRUSH back = CreateSolidBrush(BackgroundOf(item.hwndItem));
    FillRect(dc, &item.rcItem, back);
    DeleteObject(back);
    if (!bitmap) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BITMAP info;
    GetObject(bitmap, sizeof(info), &info);
    // A narrowed picture shows its left part, as it grows into view.
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void MainWindow::DrawLine(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int y = (r.top + r.bottom) / 2;
    const int tick = (r.bottom - r.top) / 3;
    HPEN pen = CreatePen(PS_SOLID, MulDiv(1, dpiY_, 96), RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, r.left, y, nullptr);
    LineTo(dc, r.right - 1, y);
    MoveToEx(dc, r.left, y - tick, nullptr);
    LineTo(dc, r.left, y + tick + 1);
    MoveToEx(dc, r.right - 1, y - tick, nullptr);
    LineTo(dc, r.right - 1, y + tick + 1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void MainWindow::DrawCircle(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int inset = MulDiv(1, dpiY_, 96);
    HPEN pen = CreatePen(PS_SOLID, inset, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void MainWindow::PaintFrame(HWND frame, HDC dc) {
    char caption[64] = {};
    GetWindowTextA(frame, caption, sizeof(caption));
    HGDIOBJ old = SelectObject(dc, fonts_[kFontBoldText]);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT r;
    GetClientRect(frame, &r);
    r.top += tm.tmHeight / 2;
    DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
    SIZE extent;
    GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &extent);
    const int x = Px(120);
    RECT textRect = {x - 2, 0, x + extent.cx + 2, tm.tmHeight};
    FillRect(dc, &textRect, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, x, 0, caption, lstrlenA(caption));
    SelectObject(dc, old);
}

void MainWindow::Place(HWND hwnd, const TwipsRect& rect) {
    SetWindowPos(hwnd, nullptr, Px(rect.left), Py(rect.top), Px(rect.width), Py(rect.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void MainWindow::SetVisible(Control control, bool visible) {
    ShowWindow(Handle(control), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetEnabled(Control control, bool enabled) { EnableWindow(Handle(control), enabled); }

void MainWindow::SetCaption(Control control, const std::string& text) {
    SetWindowTextA(Handle(control), text.c_str());
    InvalidateRect(Handle(control), nullptr, FALSE);
}

void MainWindow::SetWidth(Control control, int twips) {
    rects_[static_cast<int>(control)].width = twips;
    Place(Handle(control), rects_[static_cast<int>(control)]);
}

void MainWindow::SetHeight(Control control, int twips) {
    rects_[static_cast<int>(control)].height = twips;
    Place(Handle(control), rects_[static_cast<int>(control)]);
}

void MainWindow::MoveTo(Control control, int left, int top) {
    TwipsRect& r = rects_[static_cast<int>(control)];
    r.left = left;
    r.top = top;
    SetWindowPos(Handle(control), nullptr, Px(left), Py(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowMousePicture(MousePicture picture) {
    HWND mouse = Handle(Control::PictureMouse);
    if (picture == MousePicture::None) {
        ShowWindow(mouse, SW_HIDE);
        return;
    }
    mousePicture_ = picture;
    InvalidateRect(mouse, nullptr, FALSE);
    ShowWindow(mouse, SW_SHOWNA);
}

void MainWindow::SetOperationVisible(int index, bool visible) {
    ShowWindow(operations_[index], visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetOperationEnabled(int index, bool enabled) {
    EnableWindow(operations_[index], enabled);
    InvalidateRect(operations_[index], nullptr, FALSE);
}

void MainWindow::SetOperationHeight(int index, int twips) {
    operationRects_[index].height = twips;
    Place(operations_[index], operationRects_[index]);
}

void MainWindow::SetOperationColor(int index, Rgb color) {
    operationColors_[index] = ToColorRef(color);
    InvalidateRect(operations_[index], nullptr, FALSE);
}

void MainWindow::EnableOpeningTimer(int intervalMs) {
    SetTimer(form_, kOpeningTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void MainWindow::DisableOpeningTimer() { KillTimer(form_, kOpeningTimerId); }

bool MainWindow::Pause(int ms) { return PauseProcessingMessages(static_cast<DWORD>(ms), form_); }

// The performance counter: GetTickCount moves in 15.6 ms steps on Windows.
long long MainWindow::NowMs() {
    LARGE_INTEGER frequency, count;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0 || !QueryPerformanceCounter(&count)) {
        return static_cast<long long>(GetTickCount());
    }
    const long long perSecond = frequency.QuadPart;
    return count.QuadPart / perSecond * 1000 + count.QuadPart % perSecond * 1000 / perSecond;
}

}  // namespace quorvel::tutorial
