// The shell side of the programs Quorvel.exe starts when a hook asks.
#pragma once

#include "control/core/LaunchRequests.h"

namespace quorvel {

class Win32ProgramStarter : public ProgramStarter {
public:
    bool Open(const std::string& path, const std::string& parameters) override;
    uint32_t TaskbarWindow() override;
    bool StartBrowser() override;
};

}  // namespace quorvel
