#include "ExitSwitch.h"

#include <windows.h>

#include "common/win32/Owners.h"
#include "control/core/ExitRequest.h"

namespace quorvel {

namespace {

class Win32RunningInstanceLink : public RunningInstanceLink {
public:
    explicit Win32RunningInstanceLink(Clock& clock) : clock_(clock) {}

    RunningInstance FindRunningInstance() override {
        window_ = FindWindowA(MAIN_WINDOW_CLASS, MAIN_WINDOW_CAPTION);
        if (!window_) return {false, 0, 0, 0};
        return {true, static_cast<uint32_t>(GetWindowLongPtrA(window_, GWLP_USERDATA)), 0, 0};
    }

    void PostToRunningInstance(uint32_t message) override {
        DWORD processId = 0;
        GetWindowThreadProcessId(window_, &processId);
        // Opened before posting, so that the process cannot end unseen.
        process_.Reset(OpenProcess(SYNCHRONIZE, FALSE, processId));
        PostMessageA(window_, message, 0, 0);
    }

    bool WaitForRunningInstanceToEnd(uint32_t timeoutMs) override {
        const OwnedHandle process = std::move(process_);
        if (process) return WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0;
        // No right to wait on the process: watch its window instead.
        return PollUntil(clock_, timeoutMs, RUNNING_WINDOW_LOOK_MS, [this] { return !IsWindow(window_); });
    }

private:
    Clock& clock_;
    HWND window_ = nullptr;
    OwnedHandle process_;
};

}  // namespace

int RunExitSwitch(Clock& clock) {
    Win32RunningInstanceLink link(clock);
    return ExitCodeOf(AskRunningInstanceToExit(link));
}

}  // namespace quorvel
