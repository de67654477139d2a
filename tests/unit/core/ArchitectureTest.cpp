#include <gtest/gtest.h>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/Architecture.h"
#include "hooklib/core/HookControl.h"

namespace quorvel {
namespace {

using testing::FakeDesktop;
using testing::FakeLibrary;

// The 64-bit library beside a FakeLibrary's 32-bit one: same record, own
// platform (its own thread) and own process state.
struct Library64 {
    explicit Library64(SharedState& shared) : ctx{os, shared, process} {
        process.Is64Bit = true;
        process.lock = &lock;
        os.threadId = 9;
    }
    FakeDesktop os;
    testing::FakeLock lock;
    ProcessState process;
    Context ctx;
};

TEST(Architecture, WhichHookCallsPassOnForTheOtherLibrary) {
    struct Case {
        bool is64;
        uint32_t hook64Active, thread32, thread64, current;
        bool otherEnded;  // the other library's installing thread has gone
        bool passOn;
    };
    const Case cases[] = {
        {false, 1, 7, 9, 7, false, true},   // 32-bit hook on its installer for a 64-bit program
        {false, 0, 7, 0, 7, false, false},  // no 64-bit hooks: the 32-bit hook serves everyone
        {false, 1, 7, 9, 8, false, false},  // a 32-bit program's own thread
        {false, 1, 0, 9, 0, false, false},  // installer unknown
        {false, 1, 7, 9, 7, true, false},   // the helper died or was ended: the 32-bit hook serves again
        {true, 1, 7, 9, 9, false, true},    // 64-bit hook on the helper's thread for a 32-bit program
        {true, 1, 0, 9, 9, false, false},   // no 32-bit hooks left
        {true, 1, 7, 9, 4, false, false},   // a 64-bit program's own thread
        {true, 1, 7, 9, 9, true, false},    // Quorvel.exe's hook thread has gone
    };
    for (const Case& c : cases) {
        FakeLibrary lib;
        lib.process.Is64Bit = c.is64;
        lib.shared.Hook64Active = c.hook64Active;
        lib.shared.Hook32ThreadId = c.thread32;
        lib.shared.Hook64ThreadId = c.thread64;
        lib.os.threadId = c.current;
        if (c.otherEnded) lib.os.endedThreads.insert(c.is64 ? c.thread32 : c.thread64);
        EXPECT_EQ(ServedByOtherLibrary(lib.ctx), c.passOn)
            << "is64=" << c.is64 << " active=" << c.hook64Active << " current=" << c.current;
    }
}

// A helper that died leaves its handles in the record, an earlier run a
// pause: a new start of Quorvel.exe clears both (the icon says running), and
// its stop resets the record. A helper that still runs keeps them.
TEST(Architecture, ANewStartClearsWhatADeadLibraryAndAnEarlierRunLeft) {
    for (bool helperRuns : {false, true}) {
        FakeLibrary lib32;
        SharedState& s = lib32.shared;
        s.Paused = s.IERButtonDown = 1;
        s.MouseHook64 = 0x64;
        s.Hook64Active = 1;
        s.Hook64ThreadId = 9;
        if (!helperRuns) lib32.os.endedThreads.insert(9);
        ASSERT_EQ(StartHook(lib32.ctx), 1);
        EXPECT_EQ(s.Paused + s.IERButtonDown + (s.MouseHook64 != 0), helperRuns ? 3 : 0);
        SetStopHookFlag(lib32.ctx);
        StopHook(lib32.ctx);
        EXPECT_EQ(s.FirstInitPending, helperRuns ? 0 : 1) << "reset once no library is left";
    }
}

TEST(Architecture, EachLibraryKeepsItsOwnHooksAndTheLastToStopResetsTheRecord) {
    struct Case {
        bool stop64First;
    };
    for (const Case& c : {Case{true}, Case{false}}) {
        FakeLibrary lib32;
        lib32.os.threadId = 7;
        Library64 lib64(lib32.shared);
        SharedState& s = lib32.shared;
        ASSERT_EQ(StartHook(lib32.ctx), 1);
        ASSERT_EQ(StartHook(lib64.ctx), 1);
        EXPECT_NE(s.MouseHook, 0u);
        EXPECT_NE(s.MouseHook64, 0u);
        EXPECT_EQ(lib64.os.hooksSet.size(), 3u);
        EXPECT_EQ(s.Hook32ThreadId, 7u);
        EXPECT_EQ(s.Hook64ThreadId, 9u);
        EXPECT_EQ(s.Hook64Active, 1u);
        PauseQuorvel(lib32.ctx);
        SetStopHookFlag(lib32.ctx);

        Context& first = c.stop64First ? lib64.ctx : lib32.ctx;
        Context& last = c.stop64First ? lib32.ctx : lib64.ctx;
        StopHook(first);
        EXPECT_EQ(s.Paused, 1) << "reset under the other library's feet";
        EXPECT_EQ(s.FirstInitPending, 0);
        EXPECT_EQ(c.stop64First ? s.MouseHook64 : s.MouseHook, 0u);
        EXPECT_NE(c.stop64First ? s.MouseHook : s.MouseHook64, 0u);
        EXPECT_EQ(s.Hook64Active, c.stop64First ? 0u : 1u);
        StopHook(last);
        EXPECT_EQ(s.Paused, 0);
        EXPECT_EQ(s.FirstInitPending, 1);
        EXPECT_EQ(s.MouseHook + s.MouseHook64 + s.CallWndRetHook64 + s.GetMessageHook64, 0u);
        EXPECT_EQ(s.Hook32ThreadId + s.Hook64ThreadId + s.Hook64Active, 0u);
        EXPECT_EQ(lib32.os.hooksRemoved.size() + lib64.os.hooksRemoved.size(), 6u);
    }
}

}  // namespace
}  // namespace quorvel
