#include "SettingForm.h"

#include "control/core/ControlProgram.h"
#include "control/core/FormTables.h"
#include "control/core/SettingWord.h"

namespace quorvel {

SettingForm::SettingForm(HookLibrary& library) : Form(SettingFormTable()), library_(library) {}

void SettingForm::OnLoad() {
    const SettingChecks checks = ChecksFromSettingWord(library_.GetSetting());
    for (int box = 0; box < SETTING_CHECK_BOX_COUNT; ++box) SetChecked(box, checks[box]);
}

void SettingForm::OnClick(int control) {
    if (control == SettingCommandOK) {
        CommandOK_Click();
    } else if (control == SettingCommandCancel) {
        Unload();
    }
}

void SettingForm::CommandOK_Click() {
    SettingChecks checks{};
    for (int box = 0; box < SETTING_CHECK_BOX_COUNT; ++box) checks[box] = Checked(box);
    const std::string failure = SettingSaveFailureText(library_.SaveSetting(SettingWordFromChecks(checks)));
    if (!failure.empty()) MessageBoxA(Window(), failure.c_str(), PROGRAM_TITLE, MB_OK | MB_ICONWARNING);
    Unload();
}

}  // namespace quorvel
