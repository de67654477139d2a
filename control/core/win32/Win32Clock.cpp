#include "Win32Clock.h"

#include <windows.h>

namespace quorvel {

uint32_t Win32Clock::NowMs() { return GetTickCount(); }

void Win32Clock::PauseMs(uint32_t ms) { Sleep(ms); }

}  // namespace quorvel
