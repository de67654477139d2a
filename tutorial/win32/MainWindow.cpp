#include "MainWindow.h"

#include <commctrl.h>

#include "MessagePause.h"
#include "Pictures.h"

namespace quorvel::tutorial {

namespace {

const char* const FORM_CLASS = "QuorvelTutorialForm";
const char* const CONTAINER_CLASS = "QuorvelTutorialContainer";
const char* const FORM_CAPTION = "Quorvel Shortcuts Tutorial";
const char* const TOOLTIP_TEXT = "Click to show";
const char* const BASE_PROC_PROPERTY = "QuorvelTutorialBaseProc";
constexpr UINT_PTR OPENING_TIMER_ID = 1;
constexpr DWORD FORM_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

MainWindow::MainWindow() : mainForm_(*this) {}

// The window goes first, while the form it reports to is still there; a
// window the user closed has destroyed itself already.
MainWindow::~MainWindow() {
    if (IsWindow(form_.Get())) {
        form_.Reset();
    } else {
        form_.Release();
    }
}

bool MainWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    {
        const WindowDc screen(nullptr);
        dpiX_ = GetDeviceCaps(screen.Get(), LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
    CreateResources();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = FORM_CLASS;
    if (!RegisterClassA(&wc)) return false;
    wc.lpfnWndProc = ContainerProc;
    wc.hIcon = nullptr;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = CONTAINER_CLASS;
    if (!RegisterClassA(&wc)) return false;

    RECT frame = {0, 0, Px(CLIENT_WIDTH_TWIPS), Py(CLIENT_HEIGHT_TWIPS)};
    AdjustWindowRect(&frame, FORM_STYLE, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - width) / 2;
    const int y = work.top + ((work.bottom - work.top) - height) / 2;
    form_.Reset(CreateWindowExA(0, FORM_CLASS, FORM_CAPTION, FORM_STYLE, x < work.left ? work.left : x,
                                y < work.top ? work.top : y, width, height, nullptr, nullptr, instance, this));
    if (!form_) return false;
    CreateControls();
    CreateTooltips();
    mainForm_.Form_Load();
    ShowWindow(form_.Get(), SW_SHOWNORMAL);
    UpdateWindow(form_.Get());
    return true;
}

int MainWindow::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsWindow(form_.Get()) || !IsDialogMessageA(form_.Get(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void MainWindow::CreateResources() {
    struct FontSpec {
        int points;
        int weight;
    };
    const FontSpec specs[kFontCount] = {{9, FW_BOLD}, {14, FW_BOLD}, {10, FW_BOLD}, {9, FW_NORMAL}, {9, FW_BOLD}};
    for (int i = 0; i < kFontCount; ++i) {
        fonts_[i].Reset(CreateFontA(-MulDiv(specs[i].points, dpiY_, 72), 0, 0, 0, specs[i].weight, FALSE, FALSE, FALSE,
                                    ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                    VARIABLE_PITCH | FF_SWISS, "Arial"));
    }
    const COLORREF pictureBack = ToColorRef(kPicture1BackColor);
    pictureBrush_.Reset(CreateSolidBrush(pictureBack));
    const TwipsRect mouse = DesignRect(Control::PictureMouse);
    const MousePicture pictures[4] = {MousePicture::NoButton, MousePicture::RightButton, MousePicture::MiddleButton,
                                      MousePicture::LeftRightButton};
    for (int i = 0; i < 4; ++i) {
        mousePictures_[i].Reset(DrawMousePicture(pictures[i], Px(mouse.width), Py(mouse.height), pictureBack));
    }
    const TwipsRect left = DesignRect(Control::PictureArrowLeft), right = DesignRect(Control::PictureArrowRight);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    arrowLeft_.Reset(DrawArrowPicture(true, Px(left.width), Py(left.height), face));
    arrowRight_.Reset(DrawArrowPicture(false, Px(right.width), Py(right.height), face));
    operationCursor_.Reset(CreateOperationCursor(dpiX_));
}

HWND MainWindow::CreateChild(const char* className, const char* text, DWORD style, HWND parent, TwipsRect rect,
                             int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | style, Px(rect.left), Py(rect.top), Px(rect.width),
                           Py(rect.height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                           nullptr);
}

void MainWindow::CreateControls() {
    for (int i = 0; i < OPERATION_COUNT; ++i) {
        operationRects_[i] = OperationLabelRect(i);
        operationColors_[i] = ToColorRef(kNormalColor);
        HWND label = CreateChild("STATIC", GetOperation(i).caption, SS_OWNERDRAW | SS_NOTIFY, form_.Get(),
                                 operationRects_[i], OperationLabelId(i));
        SetPropA(label, BASE_PROC_PROPERTY,
                 reinterpret_cast<HANDLE>(
                     SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OperationLabelProc))));
        operations_[i] = label;
    }
    // Containers first, so that their children can be made inside them.
    const Control order[] = {Control::Picture1,
                             Control::Frame1,
                             Control::LabelHead,
                             Control::PictureArrowLeft,
                             Control::LabelStep1,
                             Control::LabelStep2,
                             Control::LabelStep3,
                             Control::LabelSeeAnimation,
                             Control::PictureArrowRight,
                             Control::PictureMouse,
                             Control::LabelDescriptionText,
                             Control::LabelCursorMovement,
                             Control::LabelMoveDescription,
                             Control::LineHorizontal,
                             Control::ShapeCircle,
                             Control::CommandShowAgain};
    for (Control c : order) {
        const int i = static_cast<int>(c);
        rects_[i] = DesignRect(c);
        HWND parent = c == Control::PictureMouse ? Handle(Control::Picture1)
                      : IsInsideFrame1(c)        ? Handle(Control::Frame1)
                                                 : form_.Get();
        const char* cls = "STATIC";
        DWORD style = SS_OWNERDRAW;
        DWORD exStyle = 0;
        switch (c) {
            case Control::Picture1:
                cls = CONTAINER_CLASS;
                style = WS_CLIPCHILDREN;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case Control::Frame1:
                cls = CONTAINER_CLASS;
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
    SendMessageA(Handle(Control::CommandShowAgain), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kFontText].Get()),
                 FALSE);
}

void MainWindow::CreateTooltips() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_.Get(), nullptr, instance_, nullptr);
    if (!tooltip_) return;
    for (HWND label : operations_) {
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = form_.Get();
        ti.uId = reinterpret_cast<UINT_PTR>(label);
        ti.lpszText = const_cast<char*>(TOOLTIP_TEXT);
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
            if (wParam == OPENING_TIMER_ID) mainForm_.TimerAnimateLabel_Timer();
            return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_MOUSEMOVE: mainForm_.Form_MouseMove(); return 0;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_DESTROY:
            KillTimer(hwnd, OPENING_TIMER_ID);
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::ContainerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = FromChild(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const bool isPicture = GetDlgCtrlID(hwnd) == ControlId(Control::Picture1);
    switch (msg) {
        case WM_COMMAND: self->OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_DRAWITEM: self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
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
                     isPicture ? self->pictureBrush_.Get() : GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_PAINT: {
            const Painting paint(hwnd);
            if (!isPicture) self->PaintFrame(hwnd, paint.Dc());
            return 0;
        }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::OperationLabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto base = reinterpret_cast<WNDPROC>(GetPropA(hwnd, BASE_PROC_PROPERTY));
    MainWindow* self = FromChild(hwnd);
    if (self) {
        if (msg == WM_MOUSEMOVE) {
            self->mainForm_.LabelOperation_MouseMove(GetDlgCtrlID(hwnd) - OperationLabelId(0));
        } else if (msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
            // The system's hand is shared: used when ours could not be made, never destroyed.
            SetCursor(self->operationCursor_ ? self->operationCursor_.Get() : LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, BASE_PROC_PROPERTY);
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
    SetTimer(form_.Get(), OPENING_TIMER_ID, static_cast<UINT>(intervalMs), nullptr);
}

void MainWindow::DisableOpeningTimer() { KillTimer(form_.Get(), OPENING_TIMER_ID); }

bool MainWindow::Pause(int ms) { return PauseProcessingMessages(static_cast<DWORD>(ms), form_.Get()); }

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
