#include "SettingForm.h"

#include "RegistryPreferences.h"
#include "control/core/ControlProgram.h"
#include "control/core/FormTables.h"
#include "control/core/SettingWord.h"

namespace quorvel {

namespace {
constexpr int HOTKEY_ROWS = 2;
}

SettingForm::SettingForm(HookLibrary& library, const ProgramHotkeys& hotkeys)
    : Form(SettingFormTable()), library_(library), hotkeys_(hotkeys) {}

SettingForm::HotkeyRow SettingForm::Row(int index) const {
    return index == 0 ? HotkeyRow{hotkeys_.autoClick, SettingCheckAutoClickHotkey, SettingHotKeyAutoClick}
                      : HotkeyRow{hotkeys_.taskSwitcher, SettingCheckTaskSwitcherHotkey, SettingHotKeyTaskSwitcher};
}

void SettingForm::OnLoad() {
    const SettingChecks checks = ChecksFromSettingWord(library_.GetSetting());
    for (int box = 0; box < SETTING_CHECK_BOX_COUNT; ++box) SetChecked(box, checks[box]);
    std::string problems;
    for (int i = 0; i < HOTKEY_ROWS; ++i) {
        const HotkeyRow row = Row(i);
        ShowHotkey(row);
        if (row.binding && !row.binding->Problem().empty()) problems += row.binding->Problem() + " ";
    }
    SetControlText(SettingLabelHotkeyProblem, problems);
}

// A hotkey that is off shows the standard one, greyed, ready to be ticked.
void SettingForm::ShowHotkey(const HotkeyRow& row) {
    if (!row.binding) {
        SetControlEnabled(row.check, false);
        SetControlEnabled(row.keys, false);
        return;
    }
    const Hotkey& current = row.binding->Current();
    SetChecked(row.check, !current.Off());
    SetHotKeyValue(row.keys, ControlValueOf(current.Off() ? row.binding->Definition().standard : current));
    SetControlEnabled(row.keys, !current.Off());
}

void SettingForm::OnClick(int control) {
    if (control == SettingCommandOK) {
        CommandOK_Click();
    } else if (control == SettingCommandCancel) {
        Unload();
    } else if (control == SettingCheckAutoClickHotkey || control == SettingCheckTaskSwitcherHotkey) {
        const int keys = control == SettingCheckAutoClickHotkey ? SettingHotKeyAutoClick : SettingHotKeyTaskSwitcher;
        SetControlEnabled(keys, Checked(control));
        if (Checked(control)) SetFocus(Control(keys));
    }
}

// False, with the reason on the form, when the row's hotkey cannot be had.
bool SettingForm::TakeHotkey(const HotkeyRow& row) {
    if (!row.binding) return true;
    const Hotkey& current = row.binding->Current();
    // Untouched: kept as it is (the field cannot show the Win key).
    if (Checked(row.check) != current.Off() && HotKeyValue(row.keys) == ControlValueOf(current)) return true;
    const Hotkey wanted = Checked(row.check) ? HotkeyFromControl(HotKeyValue(row.keys)) : Hotkey{};
    if (wanted == current) return true;
    RegistryPreferences preferences;
    const HotkeyState got = row.binding->Change(wanted, preferences);
    if (got == HotkeyState::Registered || got == HotkeyState::Off) return true;
    SetControlText(SettingLabelHotkeyProblem,
                   HotkeyProblem(row.binding->Definition(), wanted, got) + " Choose another one.");
    SetFocus(Control(row.keys));
    return false;
}

void SettingForm::CommandOK_Click() {
    for (int i = 0; i < HOTKEY_ROWS; ++i) {
        if (!TakeHotkey(Row(i))) return;
    }
    SettingChecks checks{};
    for (int box = 0; box < SETTING_CHECK_BOX_COUNT; ++box) checks[box] = Checked(box);
    const std::string failure = SettingSaveFailureText(library_.SaveSetting(SettingWordFromChecks(checks)));
    if (!failure.empty()) MessageBoxA(Window(), failure.c_str(), PROGRAM_TITLE, MB_OK | MB_ICONWARNING);
    Unload();
}

}  // namespace quorvel
