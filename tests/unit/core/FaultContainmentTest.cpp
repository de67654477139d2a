// After a contained fault: reports limited per address, hooks off after
// repeated faults, gestures disarmed; and what a rewritten shared record can
// and cannot make the library do.
#include "hooklib/core/FaultLimiter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "hooklib/core/DebugLog.h"
#include "hooklib/core/StartUp.h"
#include "hooklib/gestures/GestureActions.h"
#include "tests/unit/support/FakeDesktop.h"

namespace quorvel::testing {
namespace {

TEST(FaultLimiter, OneBlockPerAddressAndHooksOffAfterRepeatedFaults) {
    struct Step {
        uintptr_t address;
        bool report;
        bool hooksOff;
    };
    const Step steps[] = {
        {0x1000, true, false},  {0x1000, false, false}, {0x2000, true, false},
        {0x1000, false, false}, {0x3000, true, true},   {0x2000, false, true},
    };
    FaultLimiter limiter;
    for (const Step& s : steps) {
        EXPECT_EQ(limiter.Count(s.address), s.report) << std::hex << s.address;
        EXPECT_EQ(limiter.HooksOff(), s.hooksOff);
    }
    EXPECT_EQ(limiter.Faults(), 6u);
}

TEST(FaultLimiter, AFullAddressTableReportsNoMore) {
    FaultLimiter limiter;
    for (uintptr_t a = 1; a <= FAULT_ADDRESSES_REMEMBERED; ++a) EXPECT_TRUE(limiter.Count(a * 16));
    EXPECT_FALSE(limiter.Count(0xDEAD0));
    EXPECT_TRUE(ExceptionLogNeedsRotation(EXCEPTION_LOG_LIMIT));
    EXPECT_FALSE(ExceptionLogNeedsRotation(EXCEPTION_LOG_LIMIT - 1));
}

TEST(FaultLimiter, DisarmingClearsEveryArmedGesture) {
    SharedState s{};
    InitialiseSharedState(s);
    s.IERButtonDown = s.RButtonDownInIE = s.MButtonDownPending = s.ChordPending = s.ChordSecondUpPending = 1;
    s.CenterNextDialogOnCursor = 1;
    s.DragScrollState = 2;
    s.Setting = 0x1234;
    DisarmGestures(s);
    EXPECT_EQ(s.IERButtonDown + s.RButtonDownInIE + s.MButtonDownPending + s.ChordPending + s.ChordSecondUpPending +
                  s.CenterNextDialogOnCursor + static_cast<int>(s.DragScrollState),
              0);
    EXPECT_EQ(s.Setting, 0x1234u);
}

// Another process rewrites the record's paths: files and programs still
// come only from this process's own library folder.
TEST(HostileRecord, PathsInTheRecordAreNeverOpenedOrStarted) {
    struct Case {
        const char* ownFolder;
        const char* ownHelper;
        std::vector<std::string> started;
        const char* logPath;
    };
    const Case cases[] = {
        // Quorvel.exe starts the show-desktop files from its own folder: the
        // hook starts nothing at all.
        {"C:\\Quorvel\\", "C:\\Quorvel\\SetForegroundWindow.exe", {}, "C:\\Quorvel\\QuorvelLog.txt"},
        {"", "", {}, "c:\\QuorvelLog.txt"},  // own folder unknown: nothing started, log in the fallback folder
    };
    for (const Case& c : cases) {
        FakeLibrary lib;
        std::strcpy(lib.process.InstallFolder, c.ownFolder);
        std::strcpy(lib.process.SetForegroundWindowPath, c.ownHelper);
        std::strcpy(lib.shared.InstallPath, "\\\\evil\\share\\");
        std::strcpy(lib.shared.SetForegroundWindowPath, "C:\\Windows\\System32\\calc.exe");
        lib.os.tick = 90000;
        ShowDesktop(lib.ctx);
        WriteLog(lib.ctx, "line");
        std::vector<std::string> started;
        for (const ShellCall& call : lib.os.shellCalls) started.push_back(call.file);
        EXPECT_EQ(started, c.started) << c.ownFolder;
        EXPECT_EQ(lib.os.files.count(c.logPath), 1u) << c.ownFolder;
        EXPECT_EQ(lib.os.files.size(), 1u) << c.ownFolder;
    }
}

// The record's texts filled to the brim by another process, without their
// terminators: each is printed within its field.
TEST(HostileRecord, TextsOfTheRecordArePrintedWithinTheirFields) {
    FakeLibrary lib;
    SharedState& s = lib.shared;
    std::memset(s.WindowsVersionText, 'W', sizeof s.WindowsVersionText + sizeof s.IEVersionText);
    std::memset(s.InstallPath, 'P', sizeof s.InstallPath + sizeof s.SetForegroundWindowPath);
    LogStartUpLines(lib.ctx, SystemTimeUtc{});
    const std::vector<std::string> lines = lib.os.Lines("C:\\Quorvel\\QuorvelLog.txt");
    EXPECT_EQ(lines.at(1), std::string(sizeof s.WindowsVersionText, 'W'));
    EXPECT_EQ(lines.at(3), "OS language id : 0") << "the IE version line ends within its field too";
}

}  // namespace
}  // namespace quorvel::testing
