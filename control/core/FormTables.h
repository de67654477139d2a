// The control tables of the control program's forms.
#pragma once

#include "ControlTable.h"

namespace quorvel {

// Main form "Tessary": the control panel, hidden while the program runs.
const FormTable& MainFormTable();
enum MainFormControl { ExitCommand, CancelCommand, Command1, CommandHelp };
constexpr int MAIN_FORM_SHOWN_HEIGHT_TWIPS = 1248;  // one row of buttons

// "SettingForm": one check box per feature bit, in tab order, then the two
// hotkeys (a check box and the key of each) and a line that says what is
// wrong with one.
const FormTable& SettingFormTable();
constexpr int SETTING_CHECK_BOX_COUNT = 14;
enum SettingFormControl {
    SettingCheckAutoClickHotkey = SETTING_CHECK_BOX_COUNT,
    SettingHotKeyAutoClick,
    SettingCheckTaskSwitcherHotkey,
    SettingHotKeyTaskSwitcher,
    SettingCommandOK,
    SettingCommandCancel,
    SettingFrame1,
    SettingLabel2,
    SettingLabel1,
    SettingLabelHotkeyProblem,
};

// "FormPromptRest": the rest reminder notice.
const FormTable& PromptRestFormTable();
enum PromptRestControl { LabelPrompt, PromptCommandOK };

// "AutoClickForm": the "Click" box (window text "Form1"), 768 x 552 twips.
const FormTable& AutoClickFormTable();
enum AutoClickControl { Label1 };

// "AnimationForm": the start animation (no controls; it paints its banner).
const FormTable& AnimationFormTable();

}  // namespace quorvel
