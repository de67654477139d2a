// The exported functions of system.dat: undecorated names (the link uses
// --kill-at), stdcall, 32-bit arguments and results, so that any caller can
// bind them by name with GetProcAddress. Each is declared from the shared
// list of exports, so a definition that strays from it does not compile.
#include "hooklib/core/win32/WindowsApi.h"

#include <cstdint>

#include "common/HookExports.h"

#include "hooklib/core/WindowClassification.h"
#include "hooklib/windowhooks/ActivityMonitor.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/core/ProcessGate.h"
#include "hooklib/core/Setting.h"
#include "LibraryProcess.h"

#define QUORVEL_EXPORT extern "C" __declspec(dllexport)
#define QUORVEL_DECLARE_EXPORT(name, result, parameters, arguments) QUORVEL_EXPORT result WINAPI name parameters;
QUORVEL_HOOK_EXPORTS(QUORVEL_DECLARE_EXPORT)
#undef QUORVEL_DECLARE_EXPORT

using quorvel::Context;
using quorvel::LibraryContext;

QUORVEL_EXPORT uint32_t WINAPI GetSharedStateStatus() { return quorvel::SharedStateStatus(); }

QUORVEL_EXPORT uint32_t WINAPI startHook() {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::StartHook(*ctx) : 0;
}

QUORVEL_EXPORT uint32_t WINAPI stopHook() {
    if (Context* ctx = LibraryContext()) quorvel::StopHook(*ctx);
    return 1;
}

QUORVEL_EXPORT void WINAPI SetStopHookFlag() {
    if (Context* ctx = LibraryContext()) quorvel::SetStopHookFlag(*ctx);
}

QUORVEL_EXPORT void WINAPI PauseQuorvel() {
    if (Context* ctx = LibraryContext()) quorvel::PauseQuorvel(*ctx);
}

QUORVEL_EXPORT void WINAPI ResumeQuorvel() {
    if (Context* ctx = LibraryContext()) quorvel::ResumeQuorvel(*ctx);
}

QUORVEL_EXPORT uint32_t WINAPI SetMainWindowAndMessage(uint32_t window, uint32_t message) {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::SetMainWindowAndMessage(*ctx, window, message) : window;
}

QUORVEL_EXPORT uint32_t WINAPI SetTaskListWindowAndMessage(uint32_t window, uint32_t message) {
    if (Context* ctx = LibraryContext()) quorvel::SetTaskListWindowAndMessage(*ctx, window, message);
    return 0;
}

QUORVEL_EXPORT uint32_t WINAPI SetAutoClickWindowAndMessage(uint32_t window, uint32_t message) {
    if (Context* ctx = LibraryContext()) quorvel::SetAutoClickWindowAndMessage(*ctx, window, message);
    return 0;
}

QUORVEL_EXPORT uint32_t WINAPI SetPromptRestWindow(uint32_t window) {
    if (Context* ctx = LibraryContext()) quorvel::SetPromptRestWindow(*ctx, window);
    return window;
}

QUORVEL_EXPORT uint32_t WINAPI SetQuorvelWindowUserData(uint32_t marker) {
    if (Context* ctx = LibraryContext()) quorvel::SetQuorvelWindowUserData(*ctx, marker);
    return marker;
}

QUORVEL_EXPORT uint32_t WINAPI SetQuorvelVersion(uint32_t major, uint32_t minor, uint32_t build) {
    if (Context* ctx = LibraryContext()) quorvel::SetQuorvelVersion(*ctx, major, minor, build);
    return 0;
}

QUORVEL_EXPORT void WINAPI AddIEWindow(uint32_t key) {
    if (Context* ctx = LibraryContext()) quorvel::AddIEWindow(*ctx, key);
}

QUORVEL_EXPORT void WINAPI RemoveIEWindow(uint32_t key) {
    if (Context* ctx = LibraryContext()) quorvel::RemoveIEWindow(*ctx, key);
}

QUORVEL_EXPORT uint32_t WINAPI GetRootWindow(uint32_t window, uint32_t refuseDialogs) {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::GetRootWindow(*ctx, window, refuseDialogs) : 0;
}

QUORVEL_EXPORT uint32_t WINAPI IfDialogBoxWindow(uint32_t window) {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::IfDialogBoxWindow(*ctx, window) : 0;
}

QUORVEL_EXPORT uint32_t WINAPI LowWord(uint32_t value) { return quorvel::LowWord(value); }
QUORVEL_EXPORT uint32_t WINAPI HiWord(uint32_t value) { return quorvel::HiWord(value); }

QUORVEL_EXPORT uint32_t WINAPI GetSetting() {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::GetSetting(*ctx) : quorvel::DEFAULT_SETTING;
}

QUORVEL_EXPORT uint32_t WINAPI SaveSetting(uint32_t word) {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::SaveSetting(*ctx, static_cast<uint32_t>(word)) : 0;
}

QUORVEL_EXPORT uint32_t WINAPI UserShouldRest(uint32_t* keys, uint32_t* clicks, uint32_t* distance, uint32_t* minutes) {
    Context* ctx = LibraryContext();
    if (!ctx) return 0;
    // Null out-pointers are tolerated: the values then go nowhere.
    uint32_t k = 0, c = 0, d = 0, m = 0;
    if (keys) k = *keys;
    if (clicks) c = *clicks;
    if (distance) d = *distance;
    if (minutes) m = *minutes;
    uint32_t r = quorvel::UserShouldRest(*ctx, &k, &c, &d, &m);
    if (keys) *keys = k;
    if (clicks) *clicks = c;
    if (distance) *distance = d;
    if (minutes) *minutes = m;
    return r;
}

QUORVEL_EXPORT uint32_t WINAPI GetUserLastClickOrKeyTime() {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::GetUserLastClickOrKeyTime(*ctx) : 0;
}

// How many gestures met a window of a program the hooks cannot enter
// (counted by every library that shares the record).
QUORVEL_EXPORT uint32_t WINAPI GetUnreachableCount() {
    Context* ctx = LibraryContext();
    return ctx ? ctx->shared.UnreachableCount : 0;
}

QUORVEL_EXPORT uint32_t WINAPI SimulateClick(uint32_t x, uint32_t y) {
    Context* ctx = LibraryContext();
    return ctx ? quorvel::SimulateClick(*ctx, x, y) : 0;
}

// ---- everyday control: per-program exclusions and the full-screen pause

// list: program file names, each ending in a zero, an empty name last;
// size: the bytes that may be read at list.
QUORVEL_EXPORT void WINAPI SetExcludedPrograms(const char* list, uint32_t size) {
    if (Context* ctx = LibraryContext()) {
        quorvel::SetExcludedPrograms(*ctx, list, static_cast<int32_t>(size) > 0 ? size : 0);
    }
}

QUORVEL_EXPORT void WINAPI SetFullScreenPause(uint32_t on) {
    if (Context* ctx = LibraryContext()) quorvel::SetFullScreenPause(*ctx, on != 0);
}

// ---- browsers and the desktop as Quorvel.exe sees it

QUORVEL_EXPORT void WINAPI SetBrowserPrograms(const char* list, uint32_t size) {
    if (Context* ctx = LibraryContext()) {
        quorvel::SetBrowserPrograms(*ctx, list, static_cast<int32_t>(size) > 0 ? size : 0);
    }
}

QUORVEL_EXPORT void WINAPI SetMonitorLayout(const int32_t* rects, uint32_t count) {
    if (Context* ctx = LibraryContext()) quorvel::SetMonitorLayout(*ctx, rects, count);
}

QUORVEL_EXPORT void WINAPI SetFullScreenNow(uint32_t on) {
    if (Context* ctx = LibraryContext()) quorvel::SetFullScreenNow(*ctx, on != 0);
}
