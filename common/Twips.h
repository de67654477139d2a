// Conversion between twips (1/1440 inch), the unit the forms of the control
// program and the tutorial are laid out in, and screen pixels at the
// display's real pixels per inch. Both programs place a control alike.
#pragma once

namespace quorvel {

constexpr int TWIPS_PER_INCH = 1440;

// Nearest integer, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfToEven(double value);

double TwipsPerPixel(int pixelsPerInch);
int TwipsToPixels(double twips, int pixelsPerInch);
double PixelsToTwips(int pixels, int pixelsPerInch);

}  // namespace quorvel
