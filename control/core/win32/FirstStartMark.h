// The tutorial offer's marks in the registry: HKLM "SOFTWARE\Harnwick\Quorvel"
// "FirstStart" and "InstallStamp", read only, and HKCU
// "Software\Harnwick\Quorvel" "TutorialOfferedFor", this user's own.
#pragma once
#include "common/Registry.h"

namespace quorvel {

// True once per user after each installation; records the offer for this user.
bool TakeFirstStartMark();

}  // namespace quorvel
