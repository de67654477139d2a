// The mark of the first start after installation: the REG_DWORD value
// "FirstStart" under HKEY_LOCAL_MACHINE "SOFTWARE\Harnwick\Quorvel". The
// installer sets it to 1; the program sets it to 0 once it has offered the
// tutorial. A missing value means the tutorial has been offered already.
#pragma once

namespace quorvel {

constexpr const char* ProgramRegistryKey = "SOFTWARE\\Harnwick\\Quorvel";
constexpr const char* FirstStartValue = "FirstStart";

// True once, on the first start after installation; clears the mark.
bool TakeFirstStartMark();

}  // namespace quorvel
