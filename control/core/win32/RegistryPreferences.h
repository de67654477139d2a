// The user's preferences in HKEY_CURRENT_USER\Software\Harnwick\Quorvel.
#pragma once

#include "control/core/EverydayPreferences.h"

namespace quorvel {

class RegistryPreferences : public PreferenceStore {
public:
    bool ReadDword(const char* name, uint32_t* value) override;
    bool WriteDword(const char* name, uint32_t value) override;
    bool ReadMultiString(const char* name, std::string* bytes) override;
    bool WriteMultiString(const char* name, const std::string& bytes) override;
};

}  // namespace quorvel
