// "SettingForm": one check box per feature of the setting word, and the
// hotkeys of auto click and the task switcher (each on or off, and its
// keys); "&OK" takes the hotkeys and saves the word built from the boxes,
// "&Cancel" changes nothing. A hotkey that cannot be had is said on the form,
// which then stays open.
#pragma once

#include "Form.h"
#include "control/core/HookLibrary.h"
#include "control/core/Hotkeys.h"

namespace quorvel {

class SettingForm : public Form {
public:
    SettingForm(HookLibrary& library, const ProgramHotkeys& hotkeys);

protected:
    void OnLoad() override;
    void OnClick(int control) override;

private:
    struct HotkeyRow {
        HotkeyBinding* binding;
        int check;
        int keys;
    };
    HotkeyRow Row(int index) const;
    void ShowHotkey(const HotkeyRow& row);
    bool TakeHotkey(const HotkeyRow& row);
    void CommandOK_Click();

    HookLibrary& library_;
    ProgramHotkeys hotkeys_;
};

}  // namespace quorvel
