// The control program's clock on Windows: GetTickCount and Sleep.
#pragma once

#include "control/core/Clock.h"

namespace quorvel {

class Win32Clock : public Clock {
public:
    uint32_t NowMs() override;
    void PauseMs(uint32_t ms) override;
};

}  // namespace quorvel
