#include "ExitSwitch.h"

#include <windows.h>

#include "control/core/ExitRequest.h"

namespace quorvel {

namespace {

class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (handle_) CloseHandle(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

class Win32RunningInstanceLink : public RunningInstanceLink {
 public:
  RunningInstance FindRunningInstance() override {
    window_ = FindWindowA(MAIN_WINDOW_CLASS, MAIN_WINDOW_CAPTION);
    if (!window_) return {false, 0, 0, 0};
    return {true, static_cast<uint32_t>(GetWindowLongPtrA(window_, GWLP_USERDATA)), 0, 0};
  }

  void PostToRunningInstance(uint32_t message) override {
    DWORD processId = 0;
    GetWindowThreadProcessId(window_, &processId);
    // Opened before posting, so that the process cannot end unseen.
    process_ = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window_, message, 0, 0);
  }

  bool WaitForRunningInstanceToEnd(uint32_t timeoutMs) override {
    ScopedHandle process(process_);
    process_ = nullptr;
    if (process.get()) return WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0;
    // No right to wait on the process: watch its window instead.
    for (uint32_t waited = 0; waited < timeoutMs; waited += 100) {
      if (!IsWindow(window_)) return true;
      Sleep(100);
    }
    return !IsWindow(window_);
  }

 private:
  HWND window_ = nullptr;
  HANDLE process_ = nullptr;
};

}  // namespace

int RunExitSwitch() {
  Win32RunningInstanceLink link;
  return ExitCodeOf(AskRunningInstanceToExit(link));
}

}  // namespace quorvel
