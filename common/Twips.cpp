#include "Twips.h"

#include <cmath>

namespace quorvel {

namespace {
constexpr int FALLBACK_PIXELS_PER_INCH = 96;

int SanePixelsPerInch(int pixelsPerInch) { return pixelsPerInch > 0 ? pixelsPerInch : FALLBACK_PIXELS_PER_INCH; }
}  // namespace

int RoundHalfToEven(double value) {
    return static_cast<int>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

double TwipsPerPixel(int pixelsPerInch) {
    return static_cast<double>(TWIPS_PER_INCH) / SanePixelsPerInch(pixelsPerInch);
}

int TwipsToPixels(double twips, int pixelsPerInch) { return RoundHalfToEven(twips / TwipsPerPixel(pixelsPerInch)); }

double PixelsToTwips(int pixels, int pixelsPerInch) { return pixels * TwipsPerPixel(pixelsPerInch); }

}  // namespace quorvel
