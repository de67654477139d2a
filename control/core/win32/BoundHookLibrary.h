// The hook library "system.dat" of the program folder, loaded and bound
// export by export at the first call of each, never at program load. A
// missing library or export makes the call fail: it returns 0.
#pragma once

#include <windows.h>

#include <string>

#include "HookLibrary.h"

namespace quorvel {

class BoundHookLibrary : public HookLibrary {
 public:
  explicit BoundHookLibrary(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

  uint32_t startHook() override;
  uint32_t stopHook() override;
  void SetStopHookFlag() override;
  void PauseQuorvel() override;
  void ResumeQuorvel() override;
  uint32_t SetMainWindowAndMessage(uint32_t window, uint32_t message) override;
  uint32_t SetTaskListWindowAndMessage(uint32_t window, uint32_t message) override;
  uint32_t SetAutoClickWindowAndMessage(uint32_t window, uint32_t message) override;
  uint32_t SetPromptRestWindow(uint32_t window) override;
  uint32_t SetQuorvelWindowUserData(uint32_t marker) override;
  void SetQuorvelVersion(uint32_t major, uint32_t minor, uint32_t build) override;
  void AddIEWindow(uint32_t key) override;
  void RemoveIEWindow(uint32_t key) override;
  uint32_t GetRootWindow(uint32_t window, uint32_t refuseDialogs) override;
  uint32_t IfDialogBoxWindow(uint32_t window) override;
  uint32_t LowWord(uint32_t value) override;
  uint32_t HiWord(uint32_t value) override;
  uint32_t GetSetting() override;
  uint32_t SaveSetting(uint32_t setting) override;
  uint32_t UserShouldRest(uint32_t* keys, uint32_t* clicks, uint32_t* distance, uint32_t* minutes) override;
  uint32_t GetUserLastClickOrKeyTime() override;
  uint32_t SimulateClick(uint32_t x, uint32_t y) override;
  void SetExcludedPrograms(const char* list, uint32_t size) override;
  void SetFullScreenPause(uint32_t on) override;
  uint32_t GetUnreachableCount() override;

 private:
  enum Export {
    ExStartHook, ExStopHook, ExSetStopHookFlag, ExPauseQuorvel, ExResumeQuorvel,
    ExSetMainWindowAndMessage, ExSetTaskListWindowAndMessage, ExSetAutoClickWindowAndMessage,
    ExSetPromptRestWindow, ExSetQuorvelWindowUserData, ExSetQuorvelVersion, ExAddIEWindow,
    ExRemoveIEWindow, ExGetRootWindow, ExIfDialogBoxWindow, ExLowWord, ExHiWord, ExGetSetting,
    ExSaveSetting, ExUserShouldRest, ExGetUserLastClickOrKeyTime, ExSimulateClick,
    ExSetExcludedPrograms, ExSetFullScreenPause, ExGetUnreachableCount,
    ExportCount
  };
  FARPROC Bind(Export which);
  HMODULE LoadLibraryChecked();
  template <typename Function>
  Function Bound(Export which) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(Bind(which)));
  }

  std::string libraryPath_;
  HMODULE module_ = nullptr;
  bool loadTried_ = false;
  FARPROC procs_[ExportCount] = {};
  bool bindTried_[ExportCount] = {};
};

}  // namespace quorvel
