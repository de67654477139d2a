#include "DebugLine.h"

#include <cstdio>

namespace quorvel {

namespace {
constexpr const char* DebugTraceFile = "d:\\vbdebug.txt";
}

void WriteDebugLine(const std::string& text) {
  std::FILE* file = std::fopen(DebugTraceFile, "a");  // text mode: the line ends in CR LF
  if (!file) return;
  std::fputs(text.c_str(), file);
  std::fputs("\n", file);
  std::fclose(file);
}

}  // namespace quorvel
