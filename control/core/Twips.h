// Conversion between twips (1/1440 inch), the unit forms are laid out in,
// and screen pixels at the display's real pixels per inch.
#pragma once

namespace quorvel {

constexpr int TwipsPerInch = 1440;

// Nearest integer, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfToEven(double value);

double TwipsPerPixel(int pixelsPerInch);
int TwipsToPixels(double twips, int pixelsPerInch);
double PixelsToTwips(int pixels, int pixelsPerInch);

}  // namespace quorvel
