// State of the library that every process keeps for itself.
#pragma once

#include <atomic>
#include <cstdint>

#include "DialogTables.h"
#include "Platform.h"
#include "common/SharedState.h"

namespace quorvel {

// A few recent answers about other processes, each for the list's change
// counter + 1 it was decided for and good for `freshMs` (guarded by the
// process's lock).
template <uint32_t N>
struct RecentDecisions {
    struct Entry {
        uint32_t processId = 0;
        uint32_t decidedFor = 0;
        uint32_t decidedAt = 0;  // tick
        bool answer = false;
    };
    Entry entries[N];
    uint32_t next = 0;

    bool Find(uint32_t processId, uint32_t decidedFor, uint32_t now, uint32_t freshMs, bool* answer) const {
        for (const Entry& known : entries) {
            if (known.processId == processId && known.decidedFor == decidedFor && now - known.decidedAt < freshMs) {
                *answer = known.answer;
                return true;
            }
        }
        return false;
    }
    bool Keep(uint32_t processId, uint32_t decidedFor, uint32_t now, bool answer) {
        entries[next++ % N] = Entry{processId, decidedFor, now, answer};
        return answer;
    }
};

struct ProcessState {
    uintptr_t ModuleHandle = 0;
    // The folder of this process's own copy of the library (with its
    // trailing backslash) and the helper program in it. Files are opened and
    // programs started from these, never from the shared record's copies,
    // which any process of the desktop can rewrite. Empty: unknown.
    char InstallFolder[INSTALL_PATH_SIZE] = {};
    char SetForegroundWindowPath[SET_FOREGROUND_PATH_SIZE] = {};
    // Which library this is: the x86_64 build (system64.dat) sets it at
    // attach; it picks the hook handles of that architecture in SharedState.
    bool Is64Bit = false;
    uintptr_t OuterWaitEvent = 0;
    uintptr_t InnerWaitEvent = 0;
    // the last middle-button release seen in this process
    uint32_t LastMButtonUpTime = 0;
    int32_t lastX = -100;
    int32_t lastY = -100;
    // dialog maps and the one lock of this process that guards them
    DialogTables dialogs;
    ProcessLock* lock = nullptr;
    // what the hook gate decided for this process (ProcessGate.cpp); its
    // threads share it, each field a single relaxed load or store
    std::atomic<uint32_t> exclusionDecidedFor{0};  // ExclusionChange + 1 of the decision, 0 = none yet
    std::atomic<bool> excluded{false};
    // the window last found to be one of Quorvel.exe's own, and its process
    // (OwnProgramWindow.cpp)
    std::atomic<uint32_t> ownWindowChecked{0};
    std::atomic<uint32_t> ownWindowProcess{0};
    // Set in the process that installed the hooks: Windows calls a hook
    // there on behalf of programs of the other bitness, so the exclusion is
    // decided for the program that owns the message's window (a few recent
    // answers kept, under `lock`).
    bool hooksInstalledHere = false;
    RecentDecisions<8> otherPrograms;  // excluded, for ExclusionChange + 1
    // Whether this program is on the browser list (Browsers.cpp), decided
    // like the exclusion; in the installing process also for the programs
    // of a few recent windows.
    std::atomic<uint32_t> browserDecidedFor{0};  // BrowserProgramsChange + 1 of the decision, 0 = none yet
    std::atomic<bool> browserProgram{false};
    RecentDecisions<4> otherBrowsers;  // a browser, for BrowserProgramsChange + 1
    // On the thread that installed the hooks: whether the other library's
    // installing thread still ran when last looked at (Architecture.cpp).
    bool otherInstallerSeen = false;
    bool otherInstallerRuns = false;
    uint32_t otherInstaller = 0;
    uint32_t otherInstallerCheckedAt = 0;
};

}  // namespace quorvel
