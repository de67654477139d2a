// What Quorvel.exe and its 64-bit helper QuorvelHook64.exe agree on.
#pragma once

#include <cstdint>

namespace quorvel {

constexpr char Hook64LibraryFileName[] = "system64.dat";
constexpr char Hook64HelperFileName[] = "QuorvelHook64.exe";
// Posted to the helper's thread: remove the 64-bit hooks and end.
constexpr uint32_t Hook64StopMessage = 0x8064;  // WM_APP + 0x64
// How long the control program waits for the helper to end.
constexpr uint32_t Hook64StopWaitMs = 3000;

}  // namespace quorvel
