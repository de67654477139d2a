// "SettingForm": one check box per feature of the setting word; "&OK"
// saves the word built from the boxes, "&Cancel" changes nothing.
#pragma once

#include "Form.h"
#include "control/core/HookLibrary.h"

namespace quorvel {

class SettingForm : public Form {
public:
    explicit SettingForm(HookLibrary& library);

protected:
    void OnLoad() override;
    void OnClick(int control) override;

private:
    void CommandOK_Click();

    HookLibrary& library_;
};

}  // namespace quorvel
