// The program's hidden application window: the owner of the task
// switcher's window, never shown and never listed as a task.
#pragma once

#include <windows.h>

#include "common/win32/Owners.h"

namespace quorvel {

class ApplicationWindow {
public:
    // Made at the first call.
    HWND Window();

private:
    OwnedWindow window_;
};

}  // namespace quorvel
