// The setting word as the settings form sees it: one check box per feature bit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/SettingBits.h"
#include "FormTables.h"

namespace quorvel {

// Check box states, indexed like the check boxes of SettingFormTable().
using SettingChecks = std::array<bool, SETTING_CHECK_BOX_COUNT>;

// The bit each check box of the settings form stands for.
uint32_t SettingBitOfCheckBox(int checkBoxIndex);

// Which boxes the form opens with for a setting word.
SettingChecks ChecksFromSettingWord(uint32_t setting);

// The word "&OK" saves: only the fourteen bits of the check boxes; bit 0x0010
// and every bit above 0x4000 are dropped.
uint32_t SettingWordFromChecks(const SettingChecks& checks);

// What "&OK" tells the user after SaveSetting answered `saveResult`: nothing
// when the word was stored, else that the choice holds only until Quorvel
// ends.
std::string SettingSaveFailureText(uint32_t saveResult);

}  // namespace quorvel
