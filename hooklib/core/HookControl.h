// The exported control interface: installing and removing the hooks,
// pausing, the registrations of the control program, the browser window
// table and the small word helpers.
#pragma once

#include <cstdint>

#include "Context.h"

namespace quorvel {

int StartHook(Context& ctx);  // 1 when the WH_MOUSE and WH_CALLWNDPROCRET hooks are installed
int StopHook(Context& ctx);   // always 1; refuses to unhook unless StopHookFlag is 1
void SetStopHookFlag(Context& ctx);
void PauseQuorvel(Context& ctx);
void ResumeQuorvel(Context& ctx);

uint32_t SetMainWindowAndMessage(Context& ctx, uint32_t window, uint32_t message);
void SetTaskListWindowAndMessage(Context& ctx, uint32_t window, uint32_t message);
void SetAutoClickWindowAndMessage(Context& ctx, uint32_t window, uint32_t message);
uint32_t SetPromptRestWindow(Context& ctx, uint32_t window);
uint32_t SetQuorvelWindowUserData(Context& ctx, uint32_t marker);
void SetQuorvelVersion(Context& ctx, int32_t major, int32_t minor, int32_t build);

void AddIEWindow(Context& ctx, uint32_t key);
void RemoveIEWindow(Context& ctx, uint32_t key);

constexpr uint32_t LowWord(uint32_t value) { return value & 0xFFFFu; }
constexpr uint32_t HiWord(uint32_t value) { return (value >> 16) & 0xFFFFu; }

}  // namespace quorvel
