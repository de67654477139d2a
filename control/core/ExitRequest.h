// "Quorvel.exe /exit": asks the running instance to end as its "&Stop"
// button does (installers and uninstallers use it). The running instance is
// found as a second start finds it; it is sent EXIT_REQUEST_MESSAGE and given
// a bounded time to end.
#pragma once

#include <cstdint>
#include <string>

#include "InstanceHandOver.h"
#include "common/Messages.h"

namespace quorvel {

constexpr uint32_t EXIT_REQUEST_WAIT_MS = 15000;
// Without the right to wait on the running instance's process, its window
// is looked at this often until it has gone (see PollUntil in Clock.h).
constexpr uint32_t RUNNING_WINDOW_LOOK_MS = 100;

// The command line (without the program name) asks for /exit (or -exit,
// any case, as one of its words).
bool HasExitSwitch(const std::string& commandLine);
// The same for any switch name (lower case, without "/").
bool HasCommandSwitch(const std::string& commandLine, const std::string& name);

// "Quorvel.exe /takeover": the start that "Restart with administrator
// rights" asks Windows for. It asks the running instance to end as /exit
// does, waits for it, and then starts in its place.
constexpr const char* TAKE_OVER_SWITCH = "takeover";

// What the /exit start needs of the windowing side.
class RunningInstanceLink {
public:
    virtual ~RunningInstanceLink() = default;
    virtual RunningInstance FindRunningInstance() = 0;
    virtual void PostToRunningInstance(uint32_t message) = 0;
    // True when the running instance's process has ended within the time.
    virtual bool WaitForRunningInstanceToEnd(uint32_t timeoutMs) = 0;
};

enum class ExitRequestResult { NoneRunning, Ended, StillRunning };

ExitRequestResult AskRunningInstanceToExit(RunningInstanceLink& link, uint32_t timeoutMs = EXIT_REQUEST_WAIT_MS);

// Process exit code of the /exit start: 0 when no Quorvel runs any more,
// EXIT_STILL_RUNNING when it still runs.
constexpr int EXIT_NONE_RUNNING = 0;
constexpr int EXIT_STILL_RUNNING = 1;
int ExitCodeOf(ExitRequestResult result);

}  // namespace quorvel
