#include "WheelScroll.h"

#include <cmath>
#include <cstdlib>

namespace quorvel {

double PixelsPerWheelUnit(BrowserFamily family, const WheelSettings& settings) {
    if ((family != BROWSER_CHROMIUM && family != BROWSER_FIREFOX) || settings.dpi <= 0) return 0;
    double perNotch = 0;
    if (settings.linesPerNotch == WHEEL_PAGE_SCROLL) {
        perNotch = PAGE_FRACTION_PER_NOTCH * settings.pageHeight;
    } else if (family == BROWSER_CHROMIUM) {
        perNotch = CHROMIUM_PIXELS_PER_LINE * settings.linesPerNotch;
    } else {
        const double factor = settings.linesPerNotch == DEFAULT_WHEEL_LINES ? FIREFOX_DEFAULT_LINES_FACTOR : 1;
        perNotch = FIREFOX_PIXELS_PER_LINE * settings.linesPerNotch * factor;
    }
    return perNotch * settings.dpi / 96.0 / WHEEL_NOTCH;
}

std::vector<int> WheelTurns(int units) {
    std::vector<int> turns;
    const int sign = units < 0 ? -1 : 1;
    for (int left = std::abs(units); left > 0; left -= MAX_PRECISE_WHEEL_TURN) {
        turns.push_back(sign * (left < MAX_PRECISE_WHEEL_TURN ? left : MAX_PRECISE_WHEEL_TURN));
    }
    return turns;
}

int WheelDrag::Step(int y) {
    const double exact = static_cast<double>(y - lastY_) * unitsPerPixel_ + owed_;
    const long units = std::lround(exact);
    owed_ = exact - static_cast<double>(units);
    lastY_ = y;
    return -static_cast<int>(units);
}

}  // namespace quorvel
