// The library's fixed limits and the feature bits of the setting word.
#pragma once

#include <cstdint>

namespace quorvel {

// ---- fixed limits (also written to the start-up log)
constexpr int32_t MIN_MOUSE_MOVE_DISTANCE = 20;          // pixels; a drag needs more than this
constexpr int32_t MAX_MOUSE_TRACE_NUM = 100;             // points in the pointer trace ring
constexpr int32_t MAX_WINDOW_TEXT_LEN = 300;             // characters read with GetWindowTextA
constexpr int32_t MAX_WINDOW_CLASSNAME_LEN = 200;        // characters read with GetClassNameA
constexpr int32_t MOUSE_BUTTON_DRAG_TIME_LIMIT = 2000;   // ms; logged only
constexpr int32_t MBUTTON_DBCLICK_TIME_LIMIT_INITIAL = 1500;  // ms; kept in SharedState

// ---- feature bits of the setting word
constexpr uint32_t SETTING_SMART_MOVE = 0x0001;
constexpr uint32_t SETTING_JUST_WHEEL_IT = 0x0002;
constexpr uint32_t SETTING_CURSOR_GO_AWAY = 0x0004;
constexpr uint32_t SETTING_REST_REMINDER = 0x0008;
constexpr uint32_t SETTING_IE_GO_BACK = 0x0020;
constexpr uint32_t SETTING_IE_GO_FORWARD = 0x0040;
constexpr uint32_t SETTING_IE_STOP = 0x0080;
constexpr uint32_t SETTING_IE_OPEN_URL = 0x0100;
constexpr uint32_t SETTING_IE_LAUNCH = 0x0200;
constexpr uint32_t SETTING_APP_CLOSE = 0x0400;
constexpr uint32_t SETTING_APP_MAXIMIZE = 0x0800;
constexpr uint32_t SETTING_APP_MINIMIZE = 0x1000;
constexpr uint32_t SETTING_APP_SHOW_DESKTOP = 0x2000;
constexpr uint32_t SETTING_APP_SWITCH_TO_LAST = 0x4000;
constexpr uint32_t DEFAULT_SETTING = 0xFFFF;  // every feature on

// ---- registry and files
constexpr const char* QUORVEL_REGISTRY_KEY = "SOFTWARE\\Harnwick\\Quorvel";
constexpr const char* SETTING_VALUE_NAME = "Setting";
constexpr const char* LIBRARY_FILE_NAME = "system.dat";
constexpr const char* DEBUG_LOG_FILE_NAME = "QuorvelLog.txt";
constexpr const char* EXCEPTION_LOG_FILE_NAME = "QuorvelExceptionLog.txt";
constexpr const char* FALLBACK_LOG_FOLDER = "c:\\";
constexpr const char* SET_FOREGROUND_WINDOW_EXE = "SetForegroundWindow.exe";
constexpr const char* SHOW_DESKTOP_FILE_NAME = "ShowDesktop.scf";
constexpr const char* UTIL_LIBRARY_FILE_NAME = "Util.dat";
constexpr int LOG_PATH_BUFFER_SIZE = 200;  // file paths are built in 200-byte buffers

// ---- named kernel objects and messages
constexpr const char* OUTER_WAIT_EVENT_NAME = "QuorvelOuterWaitEventString";
constexpr const char* INNER_WAIT_EVENT_NAME = "QuorvelInnerWaitEventString";
constexpr const char* SMART_SCROLL_CURSOR_MESSAGE_NAME = "QuorvelSetSmartScrollCursorMessage";

}  // namespace quorvel
