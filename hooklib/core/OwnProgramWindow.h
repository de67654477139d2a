// Whether a window belongs to Quorvel.exe itself: it exists, carries the
// marker of Quorvel's windows (the fixed value, not the record's copy) and
// belongs to a process whose program file is "Quorvel.exe". Checked before
// anything is posted to a window named in the shared record, which any
// program of the desktop can rewrite. The file name is looked up once per
// window and process; the rest is checked every time.
#pragma once

#include "Context.h"

namespace quorvel {

bool IsQuorvelProgramWindow(Context& ctx, Hwnd window);

}  // namespace quorvel
