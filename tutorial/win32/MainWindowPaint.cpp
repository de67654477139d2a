#include "MainWindow.h"

#include <vector>

#include "tutorial/TextWrap.h"

namespace quorvel::tutorial {

namespace {

const COLORREF HEAD_COLOR = RGB(0, 0, 128);
const COLORREF STEP_COLOR = RGB(24, 24, 40);
const COLORREF SEE_ANIMATION_COLOR = RGB(200, 64, 24);
const COLORREF TEXT_COLOR = RGB(0, 0, 0);

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

}  // namespace

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
        if (disabled && color != ToColorRef(SELECTED_COLOR)) color = GetSysColor(COLOR_GRAYTEXT);
        DrawLabel(item, fonts_[kFontOperation].Get(), color, DT_WORDBREAK);
        return;
    }
    switch (static_cast<Control>(id - CONTROL_ID_BASE)) {
        case Control::LabelHead: DrawLabel(item, fonts_[kFontHead].Get(), HEAD_COLOR, DT_WORDBREAK); break;
        case Control::LabelStep1:
        case Control::LabelStep2:
        case Control::LabelStep3: DrawLabel(item, fonts_[kFontStep].Get(), STEP_COLOR, DT_WORDBREAK); break;
        case Control::LabelSeeAnimation:
            DrawLabel(item, fonts_[kFontStep].Get(), SEE_ANIMATION_COLOR, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::LabelDescriptionText: DrawLabel(item, fonts_[kFontText].Get(), TEXT_COLOR, DT_WORDBREAK); break;
        case Control::LabelCursorMovement:
            DrawLabel(item, fonts_[kFontBoldText].Get(), TEXT_COLOR, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::LabelMoveDescription:
            DrawLabel(item, fonts_[kFontText].Get(), TEXT_COLOR, DT_SINGLELINE | DT_VCENTER);
            break;
        case Control::PictureArrowLeft: DrawPicture(item, arrowLeft_.Get()); break;
        case Control::PictureArrowRight: DrawPicture(item, arrowRight_.Get()); break;
        case Control::PictureMouse: {
            const int picture = static_cast<int>(mousePicture_) - static_cast<int>(MousePicture::NoButton);
            DrawPicture(item, mousePictures_[picture < 0 ? 0 : picture].Get());
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
    FillRect(dc, &r, OwnedBrush(CreateSolidBrush(BackgroundOf(item.hwndItem))).Get());
    const std::string text = WindowText(item.hwndItem);
    const Selected selectedFont(dc, font);
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
}

void MainWindow::DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP bitmap) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, OwnedBrush(CreateSolidBrush(BackgroundOf(item.hwndItem))).Get());
    if (!bitmap) return;
    const OwnedMemoryDc source(CreateCompatibleDC(dc));
    const Selected picture(source.Get(), bitmap);
    BITMAP info;
    GetObject(bitmap, sizeof(info), &info);
    // A narrowed picture shows its left part, as it grows into view.
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

void MainWindow::DrawLine(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int y = (r.top + r.bottom) / 2;
    const int tick = (r.bottom - r.top) / 3;
    const OwnedPen pen(CreatePen(PS_SOLID, MulDiv(1, dpiY_, 96), RGB(0, 0, 0)));
    const Selected selectedPen(dc, pen.Get());
    MoveToEx(dc, r.left, y, nullptr);
    LineTo(dc, r.right - 1, y);
    MoveToEx(dc, r.left, y - tick, nullptr);
    LineTo(dc, r.left, y + tick + 1);
    MoveToEx(dc, r.right - 1, y - tick, nullptr);
    LineTo(dc, r.right - 1, y + tick + 1);
}

void MainWindow::DrawCircle(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int inset = MulDiv(1, dpiY_, 96);
    const OwnedPen pen(CreatePen(PS_SOLID, inset, RGB(0, 0, 0)));
    const Selected selectedPen(dc, pen.Get());
    const Selected hollow(dc, GetStockObject(NULL_BRUSH));  // a stock object: not ours
    Ellipse(dc, r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
}

void MainWindow::PaintFrame(HWND frame, HDC dc) {
    char caption[64] = {};
    GetWindowTextA(frame, caption, sizeof(caption));
    const Selected font(dc, fonts_[kFontBoldText].Get());
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
}

}  // namespace quorvel::tutorial
