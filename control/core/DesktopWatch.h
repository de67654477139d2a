// What Quorvel.exe watches of the desktop for the hooks, so that they never
// ask Windows on their paths: the monitors (read at start and at every
// display or setting change, handed over with SetMonitorLayout) and whether
// Windows says the user is busy in a full-screen program or presenting
// (asked every FULL_SCREEN_CHECK_MS, mirrored with SetFullScreenNow). The
// Win32 half is win32/Win32DesktopWatch.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "HookLibrary.h"

namespace quorvel {

// One monitor as Windows reports it, in physical pixels.
struct MonitorArea {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool primary = false;
};

// SetMonitorLayout's rectangles (left, top, right, bottom each): the
// primary monitor first, the others in the order given; empty rectangles
// left out; at most as many as the record holds.
std::vector<int32_t> PackMonitorLayout(const std::vector<MonitorArea>& monitors);

// QUERY_USER_NOTIFICATION_STATE, as SHQueryUserNotificationState answers.
enum NotificationState : uint32_t {
    QUNS_NOT_PRESENT = 1,  // a screen saver runs, the machine is locked
    QUNS_BUSY = 2,         // a full-screen program runs
    QUNS_RUNNING_D3D_FULL_SCREEN = 3,
    QUNS_PRESENTATION_MODE = 4,
    QUNS_ACCEPTS_NOTIFICATIONS = 5,
    QUNS_QUIET_TIME = 6,  // the first hour after a new user's log-on
    QUNS_APP = 7,         // a Store app in front
};

// The states in which Quorvel stays quiet: busy, full-screen Direct3D,
// presentation mode.
bool IsFullScreenState(uint32_t state);

class NotificationStateSource {
public:
    virtual ~NotificationStateSource() = default;
    // False when Windows cannot be asked (no such function before Vista).
    virtual bool Query(uint32_t* state) = 0;
};

constexpr uint32_t FULL_SCREEN_CHECK_MS = 500;

class FullScreenWatch {
public:
    FullScreenWatch(HookLibrary& library, NotificationStateSource& source) : library_(library), source_(source) {}

    // Called by a timer: asks Windows once FULL_SCREEN_CHECK_MS have passed
    // since the last question (at once the first time) and hands a change
    // over to the library. True when the state changed.
    bool OnTick(uint32_t now);
    bool FullScreen() const { return fullScreen_; }

private:
    HookLibrary& library_;
    NotificationStateSource& source_;
    bool asked_ = false;
    uint32_t askedAt_ = 0;
    bool fullScreen_ = false;
};

}  // namespace quorvel
