// The cursor position as the gestures read it.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

// The current cursor position; the fallback (the event's own position) when
// the cursor cannot be read, e.g. on a secure desktop.
inline Point CursorPositionOr(Context& ctx, Point fallback) {
    Point p;
    return ctx.os.GetCursorPos(&p) ? p : fallback;
}

}  // namespace quorvel
