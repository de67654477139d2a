#include "Twips.h"

#include <cmath>

namespace quorvel {

namespace {
constexpr int FallbackPixelsPerInch = 96;

int SanePixelsPerInch(int pixelsPerInch) {
  return pixelsPerInch > 0 ? pixelsPerInch : FallbackPixelsPerInch;
}
}  // namespace

int RoundHalfToEven(double value) {
  return static_cast<int>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

double TwipsPerPixel(int pixelsPerInch) {
  return static_cast<double>(TWIPS_PER_INCH) / SanePixelsPerInch(pixelsPerInch);
}

int TwipsToPixels(double twips, int pixelsPerInch) {
  return RoundHalfToEven(twips / TwipsPerPixel(pixelsPerInch));
}

double PixelsToTwips(int pixels, int pixelsPerInch) {
  return pixels * TwipsPerPixel(pixelsPerInch);
}

}  // namespace quorvel
