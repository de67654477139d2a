// The exports of the hook library "system.dat" the control program calls.
// All arguments and results are 32-bit; window handles travel as 32-bit values.
#pragma once

#include <cstdint>

namespace quorvel {

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;

  virtual uint32_t startHook() = 0;
  virtual uint32_t stopHook() = 0;
  virtual void SetStopHookFlag() = 0;
  virtual void PauseQuorvel() = 0;
  virtual void ResumeQuorvel() = 0;
  virtual uint32_t SetMainWindowAndMessage(uint32_t window, uint32_t message) = 0;
  virtual uint32_t SetTaskListWindowAndMessage(uint32_t window, uint32_t message) = 0;
  virtual uint32_t SetAutoClickWindowAndMessage(uint32_t window, uint32_t message) = 0;
  virtual uint32_t SetPromptRestWindow(uint32_t window) = 0;
  virtual uint32_t SetQuorvelWindowUserData(uint32_t marker) = 0;
  virtual void SetQuorvelVersion(uint32_t major, uint32_t minor, uint32_t build) = 0;
  virtual void AddIEWindow(uint32_t key) = 0;
  virtual void RemoveIEWindow(uint32_t key) = 0;
  virtual uint32_t GetRootWindow(uint32_t window, uint32_t refuseDialogs) = 0;
  virtual uint32_t IfDialogBoxWindow(uint32_t window) = 0;
  virtual uint32_t LowWord(uint32_t value) = 0;
  virtual uint32_t HiWord(uint32_t value) = 0;
  virtual uint32_t GetSetting() = 0;
  virtual uint32_t SaveSetting(uint32_t setting) = 0;
  virtual uint32_t UserShouldRest(uint32_t* keys, uint32_t* clicks, uint32_t* distance,
                                  uint32_t* minutes) = 0;
  virtual uint32_t GetUserLastClickOrKeyTime() = 0;
  virtual uint32_t SimulateClick(uint32_t x, uint32_t y) = 0;

  // Everyday control: the exclusion list (names each ending in a zero, an
  // empty name last) and the full-screen pause.
  virtual void SetExcludedPrograms(const char* list, uint32_t size) = 0;
  virtual void SetFullScreenPause(uint32_t on) = 0;
  // Gestures that met a window of a program Quorvel cannot hook (elevated).
  virtual uint32_t GetUnreachableCount() { return 0; }
};

}  // namespace quorvel
