// The cursor position as the gestures read it.
#pragma once

#include "hooklib/core/Platform.h"

namespace quorvel {

// The current cursor position; the fallback (the event's own position) when
// the cursor cannot be read, e.g. on a secure desktop.
inline Point CursorPositionOr(Input& input, Point fallback) {
    Point p;
    return input.GetCursorPos(&p) ? p : fallback;
}

}  // namespace quorvel
