// What Quorvel.exe does when a hook asks it to start a program
// (LAUNCH_REQUEST_MESSAGE): one of its own fixed actions, never a program or
// file the request names. Unknown actions are ignored, and an action asked
// again within a short time is done once.
#pragma once

#include <cstdint>
#include <string>

#include "Clock.h"

namespace quorvel {

// How the actions reach Windows; the Win32 half uses the shell.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Opens a file or starts a program given by its full path.
    virtual bool Open(const std::string& path, const std::string& parameters) = 0;
    // The taskbar's window handle ("Shell_TrayWnd"), 0 when there is none.
    virtual uint32_t TaskbarWindow() = 0;
    // Opens a new window of the user's browser.
    virtual bool StartBrowser() = 0;
};

// A second request for the same action within this time is the same one.
constexpr uint32_t LAUNCH_REPEAT_GUARD_MS = 500;

class LaunchRequests {
public:
    // programDirectory ends in a backslash (the folder of Quorvel.exe).
    LaunchRequests(ProgramStarter& starter, Clock& clock, std::string programDirectory)
        : starter_(starter), clock_(clock), programDirectory_(std::move(programDirectory)) {}

    // True when the action was known and carried out now.
    bool OnRequest(uint32_t action);

private:
    void ShowDesktop();

    ProgramStarter& starter_;
    Clock& clock_;
    std::string programDirectory_;
    uint32_t lastAction_ = 0;
    uint32_t lastTime_ = 0;
};

}  // namespace quorvel
