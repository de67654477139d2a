// The user's "AutoClickDwell" preference (REG_DWORD, 0 when absent) under
// HKEY_CURRENT_USER "Software\Harnwick\Quorvel", and the command-line
// switch "/dwell" that turns it on.
#pragma once
#include "common/Registry.h"

namespace quorvel {

constexpr const char* DWELL_SWITCH = "/dwell";

bool ReadDwellPreference();
void StoreDwellPreference(bool enabled);
// Whether this program was started with "/dwell" (any case).
bool StartedWithDwellSwitch();

}  // namespace quorvel
