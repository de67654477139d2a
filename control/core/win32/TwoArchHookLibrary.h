// The hook library as Quorvel.exe uses it on 32-bit and 64-bit Windows:
// system.dat bound by name (BoundHookLibrary), its hooks installed and
// removed on a thread that only pumps messages, and on 64-bit Windows the
// helper QuorvelHook64.exe started after them and ended before them. While
// the hooks run, user-interface timers tell the user once when a gesture
// met a program Quorvel cannot work in, and start a helper that has ended
// by itself again (once; then the user is told).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "BoundHookLibrary.h"
#include "common/win32/Owners.h"
#include "control/core/Clock.h"
#include "control/core/HookSets.h"
#include "control/core/UnreachableNotice.h"

namespace quorvel {

class TwoArchHookLibrary : public BoundHookLibrary, private HookHost {
public:
    TwoArchHookLibrary(std::string libraryPath, std::string programDirectory, Clock& clock);
    ~TwoArchHookLibrary() override;

    uint32_t startHook() override;
    uint32_t stopHook() override;

    // While it answers true (a full-screen program in front and the user's
    // full-screen pause on) the notices wait.
    void SetQuietTime(std::function<bool()> quiet) { quiet_ = std::move(quiet); }

private:
    uint32_t RunStartHook() override;
    uint32_t RunStopHook() override;
    bool HelperWanted() override;
    bool StartHelper() override;
    bool StopHelper(uint32_t waitMs) override;
    bool HelperRunning() override;

    static DWORD WINAPI HookThreadProc(LPVOID self);
    static void CALLBACK OnUnreachableCheck(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK OnHelperCheck(HWND, UINT, UINT_PTR, DWORD);
    void CheckUnreachable();
    void CheckHelper();
    bool QuietTime() const { return quiet_ && quiet_(); }
    void HookThreadBody();

    std::string programDirectory_;
    Clock& clock_;
    OwnedHandle hookThread_;
    DWORD hookThreadId_ = 0;
    OwnedHandle hookThreadReady_;
    uint32_t startResult_ = 0;
    uint32_t stopResult_ = 0;
    OwnedHandle helperProcess_;
    DWORD helperThreadId_ = 0;
    UnreachableNotice unreachable_;
    UINT_PTR unreachableTimer_ = 0;
    HelperWatch helperWatch_;
    UINT_PTR helperTimer_ = 0;
    std::function<bool()> quiet_;
};

}  // namespace quorvel
