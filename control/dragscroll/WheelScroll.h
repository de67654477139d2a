// Drag-to-scroll over Firefox and Chromium pages: the page is moved with
// wheel turns posted to its window, as a precision touchpad moves it, so it
// follows the pointer: down by N pixels scrolls the page down by about N
// pixels, as Internet Explorer's pages do.
//
// Calibration (pixels a page scrolls per wheel notch of 120 units at 100 %
// zoom and 96 dpi): Chromium scrolls 33 1/3 px per line, Firefox 19 px per
// line (the line height of its default 16 px font); with Windows's default
// of 3 lines per notch Firefox doubles the lines it scrolls. So 120 units
// move a Chromium page 100 px and a Firefox page 114 px. Other line counts
// scale (Firefox then without the doubling); "one screen per notch" counts
// 7/8 of the page's height. Pages scroll device-independent pixels: on a
// monitor of more dots per inch the pointer's pixels are smaller, and fewer
// units move the page by the same pixels. Only browsers themselves can
// confirm the figures: a page zoomed in scrolls further in Firefox.
//
// Each turn stays below 120 units: browsers take whole notches as a wheel's
// clicks and animate them; smaller turns they apply at once.
#pragma once

#include <cstdint>
#include <vector>

#include "common/BrowserPages.h"

namespace quorvel {

constexpr int WHEEL_NOTCH = 120;
constexpr int MAX_PRECISE_WHEEL_TURN = 119;
constexpr uint32_t WHEEL_PAGE_SCROLL = 0xFFFFFFFF;  // SPI_GETWHEELSCROLLLINES: one screen per notch
constexpr uint32_t DEFAULT_WHEEL_LINES = 3;
constexpr double CHROMIUM_PIXELS_PER_LINE = 100.0 / 3;
constexpr double FIREFOX_PIXELS_PER_LINE = 19;
constexpr double FIREFOX_DEFAULT_LINES_FACTOR = 2;
constexpr double PAGE_FRACTION_PER_NOTCH = 0.875;

// What the system and the page say at the start of a drag.
struct WheelSettings {
    uint32_t linesPerNotch = DEFAULT_WHEEL_LINES;  // SPI_GETWHEELSCROLLLINES
    int dpi = 96;                                  // of the page's window
    int pageHeight = 0;                            // of its client area, pixels
};

// Pixels of the pointer's movement one wheel unit scrolls; 0 for a family
// that is not scrolled with the wheel (or settings that scroll nothing).
double PixelsPerWheelUnit(BrowserFamily family, const WheelSettings& settings);

// The turns of `units` (negative: towards the bottom), none of a whole notch.
std::vector<int> WheelTurns(int units);

// One drag: the pointer's vertical movement becomes wheel units; what the
// rounding leaves over counts in the next step, so no movement is lost.
class WheelDrag {
public:
    WheelDrag(int y, double pixelsPerUnit) : lastY_(y), unitsPerPixel_(pixelsPerUnit > 0 ? 1 / pixelsPerUnit : 0) {}
    // The wheel units for the pointer now at y: negative when it moved down.
    int Step(int y);

private:
    int lastY_;
    double unitsPerPixel_;
    double owed_ = 0;
};

}  // namespace quorvel
