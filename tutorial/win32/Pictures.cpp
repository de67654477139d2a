#include "Pictures.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/win32/Owners.h"

namespace quorvel::tutorial {

namespace {

// Every picture is drawn this many times larger and then averaged down, which
// gives smooth edges at any size without blurring.
constexpr int SUPERSAMPLE = 4;

const COLORREF OUTLINE = RGB(52, 56, 70);
const COLORREF BODY = RGB(232, 234, 240);
const COLORREF BODY_SHADE = RGB(204, 208, 218);
const COLORREF PRESSED = RGB(236, 86, 52);
const COLORREF WHEEL = RGB(96, 100, 116);
const COLORREF CABLE = RGB(170, 174, 186);
const COLORREF ARROW_FILL = RGB(244, 150, 30);
const COLORREF ARROW_OUTLINE = RGB(150, 80, 10);
const COLORREF POINTER_FILL = RGB(255, 255, 255);
const COLORREF POINTER_OUTLINE = RGB(0, 0, 0);
const COLORREF POINTER_MOUSE = RGB(0, 128, 128);

// A 32-bit drawing surface in a design coordinate space of `unitsWide` x
// `unitsHigh`, kSupersample times the size of the final picture.
class Canvas {
public:
    Canvas(int width, int height, double unitsWide, double unitsHigh) : width_(width), height_(height) {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width * SUPERSAMPLE;
        bi.bmiHeader.biHeight = -height * SUPERSAMPLE;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_.Reset(CreateCompatibleDC(nullptr));
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        // Out of memory or GDI objects: no surface, and no picture made from it.
        if (!bitmap_) bits_ = nullptr;
        if (dc_ && bitmap_) {
            selected_.emplace(dc_.Get(), bitmap_.Get());
            ready_ = bits_ != nullptr && GetCurrentObject(dc_.Get(), OBJ_BITMAP) == bitmap_.Get();
        }
        sx_ = width * SUPERSAMPLE / unitsWide;
        sy_ = height * SUPERSAMPLE / unitsHigh;
    }
    bool Ready() const { return ready_; }

    HDC dc() const { return dc_.Get(); }
    int X(double u) const { return static_cast<int>(u * sx_ + 0.5); }
    int Y(double u) const { return static_cast<int>(u * sy_ + 0.5); }
    POINT P(double x, double y) const { return {X(x), Y(y)}; }
    int Pen(double u) const { return std::max(1, static_cast<int>(u * std::min(sx_, sy_) + 0.5)); }

    void Fill(COLORREF color) {
        RECT r = {0, 0, width_ * SUPERSAMPLE, height_ * SUPERSAMPLE};
        FillRect(dc_.Get(), &r, OwnedBrush(CreateSolidBrush(color)).Get());
    }

    // Averages each kSupersample x kSupersample block into one pixel (BGRA).
    std::vector<std::uint32_t> Resolve() const {
        std::vector<std::uint32_t> out(static_cast<size_t>(width_) * height_);
        if (!bits_) return out;
        const int stride = width_ * SUPERSAMPLE;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                unsigned sum[3] = {0, 0, 0};
                for (int j = 0; j < SUPERSAMPLE; ++j) {
                    const std::uint32_t* row = bits_ + (y * SUPERSAMPLE + j) * stride + x * SUPERSAMPLE;
                    for (int i = 0; i < SUPERSAMPLE; ++i) {
                        sum[0] += row[i] & 0xFF;
                        sum[1] += (row[i] >> 8) & 0xFF;
                        sum[2] += (row[i] >> 16) & 0xFF;
                    }
                }
                const unsigned n = SUPERSAMPLE * SUPERSAMPLE;
                out[static_cast<size_t>(y) * width_ + x] =
                    ((sum[0] + n / 2) / n) | (((sum[1] + n / 2) / n) << 8) | (((sum[2] + n / 2) / n) << 16);
            }
        }
        return out;
    }

private:
    int width_, height_;
    // The bitmap is selected out again before it goes, and it goes before the DC.
    OwnedMemoryDc dc_;
    OwnedBitmap bitmap_;
    std::optional<Selected> selected_;
    bool ready_ = false;
    std::uint32_t* bits_ = nullptr;
    double sx_ = 1, sy_ = 1;
};

// A 32-bit top-down DIB section holding `pixels` (BGRA), alpha as given.
OwnedBitmap MakeBitmap(const std::vector<std::uint32_t>& pixels, int width, int height) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return bitmap;
}

// Selects a solid pen and brush (hollow: the stock null brush, not ours) for
// the lifetime of the object.
class PenBrush {
public:
    PenBrush(HDC dc, COLORREF pen, int penWidth, COLORREF brush, bool hollow = false)
        : pen_(CreatePen(PS_SOLID, penWidth, pen)),
          brush_(hollow ? nullptr : CreateSolidBrush(brush)),
          selectedPen_(dc, pen_.Get()),
          selectedBrush_(dc, hollow ? GetStockObject(NULL_BRUSH) : brush_.Get()) {}

private:
    // Selected out again before they go.
    OwnedPen pen_;
    OwnedBrush brush_;
    Selected selectedPen_;
    Selected selectedBrush_;
};

void FillRegion(HDC dc, HRGN region, COLORREF color) { FillRgn(dc, region, OwnedBrush(CreateSolidBrush(color)).Get()); }

// Mouse design space: 44 x 64 units, the body from (5, 9) to (39, 63).
constexpr double MOUSE_UNITS_WIDE = 44, kMouseUnitsHigh = 64;
constexpr double BODY_LEFT = 5, kBodyTop = 9, kBodyRight = 39, kBodyBottom = 63;
constexpr double BUTTON_LINE = 29;  // bottom edge of the buttons
constexpr double MIDDLE = 22;

void DrawMouse(Canvas& c, MousePicture picture) {
    HDC dc = c.dc();
    {  // the cable
        PenBrush pb(dc, CABLE, c.Pen(2.2), 0, true);
        POINT curve[4] = {c.P(MIDDLE, kBodyTop + 1), c.P(MIDDLE, 3), c.P(30, 5.5), c.P(33, 0.5)};
        PolyBezier(dc, curve, 4);
    }
    const OwnedRegion body(
        CreateRoundRectRgn(c.X(BODY_LEFT), c.Y(kBodyTop), c.X(kBodyRight), c.Y(kBodyBottom), c.X(30), c.Y(34)));
    FillRegion(dc, body.Get(), BODY);
    {  // a soft shade along the right side and the bottom gives the body some volume
        const OwnedRegion shade(
            CreateEllipticRgn(c.X(BODY_LEFT + 10), c.Y(kBodyTop + 18), c.X(kBodyRight + 16), c.Y(kBodyBottom + 20)));
        CombineRgn(shade.Get(), shade.Get(), body.Get(), RGN_AND);
        FillRegion(dc, shade.Get(), BODY_SHADE);
    }
    const bool left = picture == MousePicture::LeftRightButton;
    const bool right = picture == MousePicture::RightButton || picture == MousePicture::LeftRightButton;
    const bool middle = picture == MousePicture::MiddleButton;
    auto pressButton = [&](double x0, double x1) {
        const OwnedRegion button(CreateRectRgn(c.X(x0), c.Y(kBodyTop), c.X(x1), c.Y(BUTTON_LINE)));
        CombineRgn(button.Get(), button.Get(), body.Get(), RGN_AND);
        FillRegion(dc, button.Get(), PRESSED);
    };
    if (left) pressButton(BODY_LEFT, MIDDLE);
    if (right) pressButton(MIDDLE, kBodyRight);
    {  // the seams between the buttons and the body
        PenBrush pb(dc, OUTLINE, c.Pen(1.2), 0, true);
        MoveToEx(dc, c.X(MIDDLE), c.Y(kBodyTop), nullptr);
        LineTo(dc, c.X(MIDDLE), c.Y(BUTTON_LINE));
        POINT seam[4] = {c.P(BODY_LEFT, BUTTON_LINE - 1), c.P(15, BUTTON_LINE + 1.5), c.P(29, BUTTON_LINE + 1.5),
                         c.P(kBodyRight, BUTTON_LINE - 1)};
        PolyBezier(dc, seam, 4);
    }
    {  // the wheel, which is the middle button; pressed, it glows
        if (middle) {
            PenBrush glow(dc, PRESSED, 1, RGB(250, 170, 140));
            RoundRect(dc, c.X(MIDDLE - 6), c.Y(10), c.X(MIDDLE + 6), c.Y(28), c.X(10), c.Y(10));
        }
        PenBrush pb(dc, OUTLINE, c.Pen(1.1), middle ? PRESSED : WHEEL);
        RoundRect(dc, c.X(MIDDLE - 2.8), c.Y(13), c.X(MIDDLE + 2.8), c.Y(25), c.X(5), c.Y(5));
        PenBrush ridges(dc, middle ? RGB(255, 200, 180) : RGB(170, 174, 190), c.Pen(0.8), 0, true);
        for (double y = 16; y <= 22; y += 3) {
            MoveToEx(dc, c.X(MIDDLE - 1.6), c.Y(y), nullptr);
            LineTo(dc, c.X(MIDDLE + 1.6), c.Y(y));
        }
    }
    // the outline of the body
    FrameRgn(dc, body.Get(), OwnedBrush(CreateSolidBrush(OUTLINE)).Get(), c.Pen(1.4), c.Pen(1.4));
}

void DrawArrow(Canvas& c, bool pointsLeft) {
    // Design space 100 x 60: shaft on the left, head on the right.
    const double pts[][2] = {{6, 20}, {54, 20}, {54, 4}, {96, 30}, {54, 56}, {54, 40}, {6, 40}};
    POINT poly[7];
    for (int i = 0; i < 7; ++i) {
        const double x = pointsLeft ? 100 - pts[i][0] : pts[i][0];
        poly[i] = c.P(x, pts[i][1]);
    }
    PenBrush pb(c.dc(), ARROW_OUTLINE, c.Pen(3), ARROW_FILL);
    SetPolyFillMode(c.dc(), WINDING);
    Polygon(c.dc(), poly, 7);
}

// Pointer design space 32 x 32: an arrow with a small mouse below its right.
void DrawPointer(Canvas& c) {
    HDC dc = c.dc();
    const double arrow[][2] = {{1, 1}, {1, 21}, {5.8, 16.6}, {9.2, 24.4}, {12.4, 23}, {9.1, 15.4}, {15.4, 15.4}};
    POINT poly[7];
    for (int i = 0; i < 7; ++i) poly[i] = c.P(arrow[i][0], arrow[i][1]);
    {
        PenBrush pb(dc, POINTER_OUTLINE, c.Pen(1.2), POINTER_FILL);
        Polygon(dc, poly, 7);
    }
    {
        PenBrush pb(dc, POINTER_OUTLINE, c.Pen(1.1), POINTER_MOUSE);
        RoundRect(dc, c.X(18), c.Y(15), c.X(29), c.Y(30.5), c.X(10), c.Y(10));
        MoveToEx(dc, c.X(23.5), c.Y(15), nullptr);
        LineTo(dc, c.X(23.5), c.Y(21));
        MoveToEx(dc, c.X(18), c.Y(21), nullptr);
        LineTo(dc, c.X(29), c.Y(21));
    }
}

}  // namespace

HBITMAP DrawMousePicture(MousePicture picture, int width, int height, COLORREF background) {
    Canvas c(width, height, MOUSE_UNITS_WIDE, kMouseUnitsHigh);
    if (!c.Ready()) return nullptr;
    c.Fill(background);
    DrawMouse(c, picture);
    return MakeBitmap(c.Resolve(), width, height).Release();
}

HBITMAP DrawArrowPicture(bool pointsLeft, int width, int height, COLORREF background) {
    Canvas c(width, height, 100, 60);
    if (!c.Ready()) return nullptr;
    c.Fill(background);
    DrawArrow(c, pointsLeft);
    return MakeBitmap(c.Resolve(), width, height).Release();
}

HCURSOR CreateOperationCursor(int dotsPerInch) {
    const int size = std::max(GetSystemMetrics(SM_CXCURSOR), MulDiv(32, dotsPerInch, 96));
    // Drawn once on black and once on white: the difference gives the coverage.
    Canvas onBlack(size, size, 32, 32), onWhite(size, size, 32, 32);
    if (!onBlack.Ready() || !onWhite.Ready()) return nullptr;
    onBlack.Fill(RGB(0, 0, 0));
    onWhite.Fill(RGB(255, 255, 255));
    DrawPointer(onBlack);
    DrawPointer(onWhite);
    const std::vector<std::uint32_t> black = onBlack.Resolve(), white = onWhite.Resolve();

    std::vector<std::uint32_t> color(black.size());
    std::vector<BYTE> mask(static_cast<size_t>((size + 15) / 16 * 2) * size, 0);
    for (size_t i = 0; i < color.size(); ++i) {
        const int alpha = 255 - (static_cast<int>((white[i] >> 8) & 0xFF) - static_cast<int>((black[i] >> 8) & 0xFF));
        const int a = std::clamp(alpha, 0, 255);
        std::uint32_t px = 0;
        if (a > 0) {
            auto un = [&](int shift) {
                return static_cast<std::uint32_t>(
                    std::min(255, static_cast<int>((black[i] >> shift) & 0xFF) * 255 / a));
            };
            px = un(0) | (un(8) << 8) | (un(16) << 16) | (static_cast<std::uint32_t>(a) << 24);
        }
        color[i] = px;
        if (a < 128) {  // transparent where the AND mask is 1
            const size_t x = i % size, y = i / size;
            mask[y * ((size + 15) / 16 * 2) + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    ICONINFO info = {};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(size / 32);
    info.yHotspot = static_cast<DWORD>(size / 32);
    // The cursor keeps copies of its two bitmaps.
    const OwnedBitmap colorBitmap = MakeBitmap(color, size, size);
    const OwnedBitmap maskBitmap(CreateBitmap(size, size, 1, 1, mask.data()));
    info.hbmColor = colorBitmap.Get();
    info.hbmMask = maskBitmap.Get();
    return CreateIconIndirect(&info);
}

}  // namespace quorvel::tutorial
