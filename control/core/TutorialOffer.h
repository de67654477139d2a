// When the shortcuts tutorial is offered: once per user after each
// installation. The installer leaves HKLM "FirstStart" = 1 and a text unique
// to the installation, "InstallStamp"; the program remembers per user, in
// HKCU "TutorialOfferedFor", the stamp it offered the tutorial for. It never
// writes the machine-wide key, so a limited account is offered it once too.
#pragma once

#include <optional>
#include <string>

#include "common/Registry.h"

namespace quorvel {

struct InstallMarks {
    bool firstStart = false;                  // HKLM "FirstStart" is the DWORD 1
    std::optional<std::string> installStamp;  // HKLM "InstallStamp"; none from an older installer
    std::optional<std::string> offeredFor;    // HKCU "TutorialOfferedFor"
};

// The stamp to record for this user when the tutorial is to be offered now
// (an installation without a stamp counts as the empty one); none otherwise.
std::optional<std::string> TutorialOfferDue(const InstallMarks& marks);

}  // namespace quorvel
