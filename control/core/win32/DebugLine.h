// The control program's debug trace "d:\vbdebug.txt". A trace that cannot
// be written (no drive D:, a read-only one) is silently left out.
#pragma once

#include <string>

namespace quorvel {

void WriteDebugLine(const std::string& text);

}  // namespace quorvel
