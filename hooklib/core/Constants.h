// The library's fixed limits (also written to the start-up log), with the
// names it shares with the other programs.
#pragma once

#include <cstdint>

#include "common/FileNames.h"
#include "common/Messages.h"
#include "common/Registry.h"
#include "common/SettingBits.h"

namespace quorvel {

constexpr int32_t MIN_MOUSE_MOVE_DISTANCE = 20;               // pixels; a drag needs more than this
constexpr int32_t MAX_WINDOW_TEXT_LEN = 300;                  // characters read with GetWindowTextA
constexpr int32_t MAX_WINDOW_CLASSNAME_LEN = 200;             // characters read with GetClassNameA
constexpr int32_t MOUSE_BUTTON_DRAG_TIME_LIMIT = 2000;        // ms; logged only
constexpr int32_t MBUTTON_DBCLICK_TIME_LIMIT_INITIAL = 1500;  // ms; kept in SharedState
constexpr int LOG_PATH_BUFFER_SIZE = 200;                     // file paths are built in 200-byte buffers

}  // namespace quorvel
