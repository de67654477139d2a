#include "SettingWord.h"

namespace quorvel {

namespace {
// In the settings form's tab order.
constexpr std::array<uint32_t, SETTING_CHECK_BOX_COUNT> CheckBoxBits{
    SETTING_SMART_MOVE,         SETTING_CURSOR_GO_AWAY, SETTING_REST_REMINDER,    SETTING_JUST_WHEEL_IT,
    SETTING_APP_CLOSE,          SETTING_APP_MAXIMIZE,   SETTING_APP_SHOW_DESKTOP, SETTING_APP_MINIMIZE,
    SETTING_APP_SWITCH_TO_LAST, SETTING_IE_GO_BACK,     SETTING_IE_GO_FORWARD,    SETTING_IE_STOP,
    SETTING_IE_OPEN_URL,        SETTING_IE_LAUNCH,
};
}  // namespace

uint32_t SettingBitOfCheckBox(int checkBoxIndex) {
    if (checkBoxIndex < 0 || checkBoxIndex >= SETTING_CHECK_BOX_COUNT) return 0;
    return CheckBoxBits[checkBoxIndex];
}

SettingChecks ChecksFromSettingWord(uint32_t setting) {
    SettingChecks checks{};
    for (int i = 0; i < SETTING_CHECK_BOX_COUNT; ++i) checks[i] = (setting & CheckBoxBits[i]) != 0;
    return checks;
}

uint32_t SettingWordFromChecks(const SettingChecks& checks) {
    uint32_t word = 0;
    for (int i = 0; i < SETTING_CHECK_BOX_COUNT; ++i) {
        if (checks[i]) word |= CheckBoxBits[i];
    }
    return word;
}

std::string SettingSaveFailureText(uint32_t saveResult) {
    if (saveResult == 1) return std::string();
    return "Your choice is in force now, but Windows did not let Quorvel store it, so it will be lost when Quorvel "
           "starts again.\n\nQuorvel keeps your settings under HKEY_CURRENT_USER\\Software\\Harnwick\\Quorvel. "
           "Check that your account may change that key, then make your choice again.";
}

}  // namespace quorvel
