#include "DebugLine.h"

#include <windows.h>

#include "common/win32/Owners.h"

namespace quorvel {

namespace {

constexpr const char* DEBUG_TRACE_DRIVE = "d:\\";

// No "There is no disk in the drive" box while the trace is written: a
// drive without a medium makes the open fail quietly instead.
class QuietCriticalErrors {
public:
    QuietCriticalErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietCriticalErrors() { SetErrorMode(previous_); }
    QuietCriticalErrors(const QuietCriticalErrors&) = delete;
    QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

private:
    UINT previous_;
};

// A missing drive or a CD drive is not asked at all; an empty removable
// drive fails the open quietly.
bool TraceDriveUsable() {
    const UINT type = GetDriveTypeA(DEBUG_TRACE_DRIVE);
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR && type != DRIVE_CDROM;
}

}  // namespace

void WriteDebugLine(const std::string& text) {
    QuietCriticalErrors quiet;
    if (!TraceDriveUsable()) return;
    const OwnedHandle file(CreateFileA(DEBUG_TRACE_FILE, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string line = text + "\r\n";
    DWORD written = 0;
    WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace quorvel
