// The feature switches of the setting word (registry value "Setting").
#pragma once

#include <cstdint>

namespace quorvel {

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

}  // namespace quorvel
