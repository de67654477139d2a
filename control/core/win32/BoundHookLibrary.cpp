#include "BoundHookLibrary.h"

#include "LibraryFiles.h"
#include "Win32FileSystem.h"

namespace quorvel {

namespace {

const char* const ExportNames[] = {
    "startHook", "stopHook", "SetStopHookFlag", "PauseQuorvel", "ResumeQuorvel",
    "SetMainWindowAndMessage", "SetTaskListWindowAndMessage", "SetAutoClickWindowAndMessage",
    "SetPromptRestWindow", "SetQuorvelWindowUserData", "SetQuorvelVersion", "AddIEWindow",
    "RemoveIEWindow", "GetRootWindow", "IfDialogBoxWindow", "LowWord", "HiWord", "GetSetting",
    "SaveSetting", "UserShouldRest", "GetUserLastClickOrKeyTime", "SimulateClick",
    // everyday control
    "SetExcludedPrograms", "SetFullScreenPause",
    "GetUnreachableCount",
};

using Call0 = uint32_t(__stdcall*)();
using Call1 = uint32_t(__stdcall*)(uint32_t);
using Call2 = uint32_t(__stdcall*)(uint32_t, uint32_t);
using Call3 = uint32_t(__stdcall*)(uint32_t, uint32_t, uint32_t);
using CallList = void(__stdcall*)(const char*, uint32_t);
using CallRest = uint32_t(__stdcall*)(uint32_t*, uint32_t*, uint32_t*, uint32_t*);

}  // namespace

// Only a full path is loaded (never "system.dat" from the search path). A
// library that does not load is replaced by the previous one, which is
// deleted only once a load has succeeded.
HMODULE BoundHookLibrary::LoadLibraryChecked() {
  const size_t slash = libraryPath_.find_last_of('\\');
  if (slash == std::string::npos || libraryPath_.find(':') == std::string::npos) return nullptr;
  const std::string folder = libraryPath_.substr(0, slash + 1);
  Win32FileSystem files;
  HMODULE module = LoadLibraryExA(libraryPath_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module && FallBackToPreviousLibrary(files, folder)) {
    module = LoadLibraryExA(libraryPath_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  } else if (module) {
    files.Delete(folder + RetiredLibraryFileName);
  }
  return module;
}

FARPROC BoundHookLibrary::Bind(Export which) {
  if (bindTried_[which]) return procs_[which];
  if (!loadTried_) {
    loadTried_ = true;
    module_ = LoadLibraryChecked();
  }
  if (!module_) return nullptr;  // without the library every call fails
  bindTried_[which] = true;
  procs_[which] = GetProcAddress(module_, ExportNames[which]);
  return procs_[which];
}

#define QUORVEL_CALL(type, which, ...)            \
  do {                                            \
    auto function = Bound<type>(which);           \
    return function ? function(__VA_ARGS__) : 0;  \
  } while (0)

#define QUORVEL_CALL_VOID(type, which, ...) \
  do {                                      \
    auto function = Bound<type>(which);     \
    if (function) function(__VA_ARGS__);    \
  } while (0)

uint32_t BoundHookLibrary::startHook() { QUORVEL_CALL(Call0, ExStartHook); }
uint32_t BoundHookLibrary::stopHook() { QUORVEL_CALL(Call0, ExStopHook); }
void BoundHookLibrary::SetStopHookFlag() { QUORVEL_CALL_VOID(Call0, ExSetStopHookFlag); }
void BoundHookLibrary::PauseQuorvel() { QUORVEL_CALL_VOID(Call0, ExPauseQuorvel); }
void BoundHookLibrary::ResumeQuorvel() { QUORVEL_CALL_VOID(Call0, ExResumeQuorvel); }
uint32_t BoundHookLibrary::SetMainWindowAndMessage(uint32_t window, uint32_t message) {
  QUORVEL_CALL(Call2, ExSetMainWindowAndMessage, window, message);
}
uint32_t BoundHookLibrary::SetTaskListWindowAndMessage(uint32_t window, uint32_t message) {
  QUORVEL_CALL(Call2, ExSetTaskListWindowAndMessage, window, message);
}
uint32_t BoundHookLibrary::SetAutoClickWindowAndMessage(uint32_t window, uint32_t message) {
  QUORVEL_CALL(Call2, ExSetAutoClickWindowAndMessage, window, message);
}
uint32_t BoundHookLibrary::SetPromptRestWindow(uint32_t window) { QUORVEL_CALL(Call1, ExSetPromptRestWindow, window); }
uint32_t BoundHookLibrary::SetQuorvelWindowUserData(uint32_t marker) {
  QUORVEL_CALL(Call1, ExSetQuorvelWindowUserData, marker);
}
void BoundHookLibrary::SetQuorvelVersion(uint32_t major, uint32_t minor, uint32_t build) {
  QUORVEL_CALL_VOID(Call3, ExSetQuorvelVersion, major, minor, build);
}
void BoundHookLibrary::AddIEWindow(uint32_t key) { QUORVEL_CALL_VOID(Call1, ExAddIEWindow, key); }
void BoundHookLibrary::RemoveIEWindow(uint32_t key) { QUORVEL_CALL_VOID(Call1, ExRemoveIEWindow, key); }
uint32_t BoundHookLibrary::GetRootWindow(uint32_t window, uint32_t refuseDialogs) {
  QUORVEL_CALL(Call2, ExGetRootWindow, window, refuseDialogs);
}
uint32_t BoundHookLibrary::IfDialogBoxWindow(uint32_t window) { QUORVEL_CALL(Call1, ExIfDialogBoxWindow, window); }
uint32_t BoundHookLibrary::LowWord(uint32_t value) { QUORVEL_CALL(Call1, ExLowWord, value); }
uint32_t BoundHookLibrary::HiWord(uint32_t value) { QUORVEL_CALL(Call1, ExHiWord, value); }
uint32_t BoundHookLibrary::GetSetting() { QUORVEL_CALL(Call0, ExGetSetting); }
uint32_t BoundHookLibrary::SaveSetting(uint32_t setting) { QUORVEL_CALL(Call1, ExSaveSetting, setting); }
uint32_t BoundHookLibrary::UserShouldRest(uint32_t* keys, uint32_t* clicks, uint32_t* distance,
                                          uint32_t* minutes) {
  QUORVEL_CALL(CallRest, ExUserShouldRest, keys, clicks, distance, minutes);
}
uint32_t BoundHookLibrary::GetUserLastClickOrKeyTime() { QUORVEL_CALL(Call0, ExGetUserLastClickOrKeyTime); }
uint32_t BoundHookLibrary::SimulateClick(uint32_t x, uint32_t y) { QUORVEL_CALL(Call2, ExSimulateClick, x, y); }
uint32_t BoundHookLibrary::GetUnreachableCount() { QUORVEL_CALL(Call0, ExGetUnreachableCount); }

// ---- everyday control
void BoundHookLibrary::SetExcludedPrograms(const char* list, uint32_t size) {
  QUORVEL_CALL_VOID(CallList, ExSetExcludedPrograms, list, size);
}
void BoundHookLibrary::SetFullScreenPause(uint32_t on) { QUORVEL_CALL_VOID(Call1, ExSetFullScreenPause, on); }

}  // namespace quorvel
