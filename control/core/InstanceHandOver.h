// A second start of the program hands over to the running one: it centres
// the running instance's main window on the work area, brings it to the
// front and posts it INSTANCE_ACTIVATE_MESSAGE.
#pragma once

#include <cstdint>

#include "common/Messages.h"

namespace quorvel {

struct RunningInstance {
    bool found;         // a window of the main window's class and caption exists
    uint32_t userData;  // its GWL_USERDATA
    int width;          // its outer size in pixels
    int height;
};

struct ScreenPoint {
    int x;
    int y;
};

// A window of the right class and caption only counts with the marker.
bool IsRunningInstance(const RunningInstance& instance);

// Top-left corner that centres a window of the given size on the work area
// (SM_CXFULLSCREEN x SM_CYFULLSCREEN), halves rounded to even.
ScreenPoint CentredOrigin(int workWidth, int workHeight, int windowWidth, int windowHeight);

}  // namespace quorvel
