// The setting word: one 32-bit word of feature switches, kept in the shared
// record (the truth while the library lives) and stored in the registry as
// value "Setting" (REG_DWORD): the user's own under HKCU
// "Software\Harnwick\Quorvel", the installer's default for every account
// under HKLM "SOFTWARE\Harnwick\Quorvel" (only read).
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// Reads the user's word, else the machine-wide one; false when neither can
// be read.
bool LoadSettingValue(Registry& registry, uint32_t* word);
// Writes the user's word; false when the key cannot be made or the write
// fails.
bool StoreSettingValue(Registry& registry, uint32_t word);

uint32_t GetSetting(Context& ctx);
// The word is in force at once in every process, even if the write fails.
int SaveSetting(Context& ctx, uint32_t word);

}  // namespace quorvel
