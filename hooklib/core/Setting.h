// The setting word: one 32-bit word of feature switches, kept in the shared
// record (the truth while the library lives) and stored in the registry as
// HKLM "SOFTWARE\Harnwick\Quorvel" value "Setting" (REG_DWORD).
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

// Reads the stored word; false when the key or value cannot be read.
bool LoadSettingValue(Registry& registry, uint32_t* word);
// Writes the word; false when the key cannot be opened or the write fails.
bool StoreSettingValue(Registry& registry, uint32_t word);

uint32_t GetSetting(Context& ctx);
// The word is in force at once in every process, even if the write fails.
int SaveSetting(Context& ctx, uint32_t word);

}  // namespace quorvel
