// The control program's debug trace "d:\vbdebug.txt": one line per call,
// each an open-append-close of the file. A trace that cannot be written (no
// drive D:, an empty or read-only one) is silently left out: it never
// stops the caller and never brings up a system error box.
#pragma once

#include <string>

namespace quorvel {

constexpr char DEBUG_TRACE_FILE[] = "d:\\vbdebug.txt";

void WriteDebugLine(const std::string& text);

}  // namespace quorvel
