// One debug-log line describing a window.
#pragma once

#include "hooklib/core/Context.h"

namespace quorvel {

// "handle : %x, classname : %s, parent: %x ,owner: %x, caption:%s, ..."
void LogWindowInfo(Context& ctx, Hwnd window);

}  // namespace quorvel
