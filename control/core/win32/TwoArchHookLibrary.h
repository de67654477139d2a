// The hook library as Quorvel.exe uses it on 32-bit and 64-bit Windows:
// system.dat bound by name (BoundHookLibrary), its hooks installed and
// removed on a thread that only pumps messages, and on 64-bit Windows the
// helper QuorvelHook64.exe started after them and ended before them. While
// the hooks run, a user-interface timer tells the user once when a gesture
// met a program Quorvel cannot work in.
#pragma once

#include <windows.h>

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

private:
    uint32_t RunStartHook() override;
    uint32_t RunStopHook() override;
    bool HelperWanted() override;
    bool StartHelper() override;
    bool StopHelper(uint32_t waitMs) override;
    bool HelperRunning() override;

    static DWORD WINAPI HookThreadProc(LPVOID self);
    static void CALLBACK OnUnreachableCheck(HWND, UINT, UINT_PTR, DWORD);
    void CheckUnreachable();
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
};

}  // namespace quorvel
