#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/HandleWidth.h"
#include "hooklib/core/RecordSecurity.h"
#include "hooklib/core/SharedInitWait.h"
#include "hooklib/core/SharedStateLife.h"

namespace quorvel {
namespace {

// The record's descriptor: the user as owner and in its only rule, and the
// medium label, whatever the creator's level and default owner.
TEST(SharedState, TheRecordBelongsToTheUserAtMediumLevelWhoeverMakesIt) {
    const std::string me = "S-1-5-21-1-2-3-1001", admins = "S-1-5-32-544";
    const std::string ours = "O:" + me + "D:P(A;;GA;;;" + me + ")S:(ML;;NWNR;;;ME)";
    for (const TokenFacts& creator : {TokenFacts{me, me, MEDIUM_LEVEL_SID}, TokenFacts{me, admins, "S-1-16-12288"},
                                      TokenFacts{me, admins, "S-1-16-16384"}, TokenFacts{me, me, "S-1-16-4096"}}) {
        EXPECT_EQ(RecordDescriptorText(creator), ours) << creator.level;
    }
    EXPECT_EQ(RecordDescriptorText({"", admins, MEDIUM_LEVEL_SID}), "");
    EXPECT_EQ(RecordDescriptorText({me, admins, ""}, false), "O:" + me + "D:P(A;;GA;;;" + me + ")");
}

// An object found under the record's name is used only when exactly ours
// (owner, the one access rule, a medium no-write-up label or none), and
// only when its view holds the whole record committed and writable.
TEST(SharedState, WhatIsFoundUnderTheNameIsCheckedFirst) {
    const std::string me = "S-1-5-21-1-2-3-1001", low = "S-1-16-4096";
    using R = ObjectSecurity::Rule;
    using L = ObjectSecurity::Label;
    const struct {
        ObjectSecurity object;
        bool used;
    } objects[] = {
        {{true, me, true, {R{true, me}}, {L{MEDIUM_LEVEL_SID, 3}}}, true},
        {{true, me, true, {R{true, me}}, {}}, true},  // no label: medium to Windows
        {{false, me, true, {R{true, me}}, {}}, false},
        {{true, "S-1-5-32-544", true, {R{true, me}}, {}}, false},
        {{true, me, false, {}, {}}, false},  // no DACL: everyone
        {{true, me, true, {R{true, me}, R{true, "S-1-1-0"}}, {}}, false},
        {{true, me, true, {R{false, me}, R{true, me}}, {}}, false},
        {{true, me, true, {R{true, me}}, {L{low, 3}}}, false},  // made by a sandbox
        {{true, me, true, {R{true, me}}, {L{MEDIUM_LEVEL_SID, 2}}}, false},
        {{true, me, true, {R{true, me}}, {L{MEDIUM_LEVEL_SID, 3}, L{low, 1}}}, false},
    };
    for (const auto& c : objects) EXPECT_EQ(IsOurRecordSecurity(c.object, me), c.used) << c.object.owner;
    constexpr size_t NEED = sizeof(SharedState);
    const struct {
        std::vector<ViewRegion> regions;
        bool usable;
    } views[] = {
        {{{NEED, true, true}}, true},
        {{{4096, true, true}, {NEED, true, true}}, true},
        {{{NEED, false, true}}, false},
        {{{4096, true, true}, {NEED, false, true}}, false},
        {{{NEED, true, false}}, false},
        {{{4096, true, true}}, false},
        {{}, false},
        {{{NEED, true, true}, {4096, false, false}}, true},
    };
    for (const auto& c : views) EXPECT_EQ(ViewIsUsable(c.regions, NEED), c.usable) << c.regions.size();
}

TEST(SharedState, NewLifeStartsFromTheInitialValues) {
    SharedState s;
    std::memset(&s, 0x5A, sizeof s);
    InitialiseSharedState(s);
    EXPECT_EQ(s.Setting, 0xFFFFu);
    EXPECT_EQ(s.FirstInitPending, 1);
    EXPECT_EQ(s.StopHookFlag, 0u);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(s.CxHScroll, 20);
    EXPECT_EQ(s.CyVScroll, 20);
    EXPECT_EQ(s.LastRButtonUpX, -100);
    EXPECT_EQ(s.LastRButtonUpY, -100);
    EXPECT_EQ(s.DoubleClickWidth, 1);
    EXPECT_EQ(s.DoubleClickHeight, 1);
    EXPECT_EQ(s.DoubleClickTime, 250);
    EXPECT_EQ(s.MBUTTON_DBCLICK_TIME_LIMIT, 1500);
    EXPECT_EQ(s.LastTraceX, -1);
    EXPECT_EQ(s.LastTraceY, -1);
    EXPECT_EQ(s.MouseTraceIndex, 0);
    for (const TracePoint& p : s.MouseTrace) {
        EXPECT_EQ(p.x, TRACE_SLOT_EMPTY);  // the empty marker, never a position
        EXPECT_EQ(p.y, TRACE_SLOT_EMPTY);
        EXPECT_EQ(p.time, 0xFFFFFFFFu);
    }
    for (uint32_t key : s.IEWindowTable) EXPECT_EQ(key, 0u);
}

TEST(SharedState, ResetClearsTheGestureStateAndKeepsSettingsRegistrationsAndTexts) {
    SharedState s;
    InitialiseSharedState(s);
    s.Setting = 0x1234;
    s.StopHookFlag = 1;
    s.ChordPending = 1;
    s.ChordSecondUpPending = 1;
    s.Paused = 1;
    s.FirstInitPending = 0;
    s.PromptRestWindow = 0x111;
    s.AutoClickWindow = 0x222;
    s.AutoClickMessage = 0xC004;
    s.MainWindow = 0x333;
    s.MainWindowMessage = 0xC003;
    s.TaskListWindow = 0x444;
    s.OwnWindowMarker = 0xAAAAAAAA;
    s.VersionMajor = 2;
    s.ScreenWidth = 1024;
    s.SmartScrollCursorMessage = 0xC0DE;
    std::strcpy(s.InstallPath, "C:\\Q\\");
    s.MouseTrace[5] = TracePoint{1, 2, 3};
    s.MouseTraceIndex = 6;
    s.LastCircleTime = 99;
    s.IEWindowTable[0] = 7;
    s.ActivityTable[10].Keys = 5;
    s.CurrentMinute = 10;
    s.LastRButtonUpX = 50;
    s.IsNTPlatform = 1;
    s.MButtonDownPending = 1;
    s.IERButtonDown = 1;
    s.CenterNextDialogOnCursor = 1;

    ResetSharedState(s);

    EXPECT_EQ(s.Setting, 0x1234u);
    EXPECT_EQ(s.StopHookFlag, 1u);
    EXPECT_EQ(s.ChordPending, 1);
    EXPECT_EQ(s.PromptRestWindow, 0x111u);
    EXPECT_EQ(s.AutoClickWindow, 0x222u);
    EXPECT_EQ(s.AutoClickMessage, 0xC004u);
    EXPECT_EQ(s.ScreenWidth, 1024);
    EXPECT_EQ(s.SmartScrollCursorMessage, 0xC0DEu);
    EXPECT_STREQ(s.InstallPath, "C:\\Q\\");
    EXPECT_EQ(s.MouseTrace[5].x, 1);
    EXPECT_EQ(s.IEWindowTable[0], 7u);

    EXPECT_EQ(s.ChordSecondUpPending, 0);
    EXPECT_EQ(s.Paused, 0);
    EXPECT_EQ(s.FirstInitPending, 1);
    EXPECT_EQ(s.MainWindow, 0u);
    EXPECT_EQ(s.MainWindowMessage, 0u);
    EXPECT_EQ(s.TaskListWindow, 0u);
    EXPECT_EQ(s.OwnWindowMarker, 0u);
    EXPECT_EQ(s.VersionMajor, 0);
    EXPECT_EQ(s.MouseTraceIndex, 0);
    EXPECT_EQ(s.LastCircleTime, 0u);
    EXPECT_EQ(s.LastTraceX, -1);
    EXPECT_EQ(s.ActivityTable[10].Keys, 0);
    EXPECT_EQ(s.CurrentMinute, 0u);
    EXPECT_EQ(s.LastRButtonUpX, -100);
    EXPECT_EQ(s.IsNTPlatform, 0);
    EXPECT_EQ(s.MButtonDownPending, 0);
    EXPECT_EQ(s.IERButtonDown, 0);
    EXPECT_EQ(s.CenterNextDialogOnCursor, 0);
}

TEST(SharedState, CopyTextNeverOverflowsItsField) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    EXPECT_TRUE(CopyText(field, sizeof field, "abc"));
    EXPECT_STREQ(field, "abc");
    EXPECT_FALSE(CopyText(field, sizeof field, "0123456789"));
    EXPECT_STREQ(field, "0123456");
    EXPECT_TRUE(CopyText(field, sizeof field, "0123456"));
    EXPECT_TRUE(CopyText(field, sizeof field, nullptr));
    EXPECT_STREQ(field, "");
}

TEST(SharedState, HandlesFromTheRecordWidenWithTheirSignAsWindowsDoes) {
    const struct {
        uint32_t stored;
        int64_t widened;
    } cases[] = {{0x00010010u, 0x10010}, {0x7FFFFFFEu, 0x7FFFFFFE}, {0x80001234u, -0x7FFFEDCCll}, {0xFFFFFFFEu, -2}};
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int64_t>(WidenHandle(c.stored)), c.widened) << std::hex << c.stored;
    }
}

// A process that finds another one writing the record's initial values
// looks again later, less and less often (10, 20, 40 ... ms, at most 500),
// and takes over an initialiser that has not finished for 2 s.
TEST(SharedState, AnInitialiserIsWaitedForWithBackOffAndTakenOverOnceStale) {
    constexpr uint32_t FRESH = SHARED_STATE_FRESH, BUSY = SHARED_STATE_INITIALISING, READY = SHARED_STATE_READY;
    using S = InitStep;
    struct Look {
        uint32_t now, state, stamp;
        bool due;  // MayLook before it
        S step;    // the answer when due
    };
    const std::vector<std::vector<Look>> cases = {
        {{1000, FRESH, 0, true, S::Initialise}, {1001, READY, 0, true, S::Ready}},
        {{5000, BUSY, 3001, true, S::Wait}, {5010, BUSY, 3001, true, S::TakeOver}},  // stamped 2 s before
        {{1000, 77, 0, true, S::Wait}, {3000, 77, 0, true, S::TakeOver}},  // never stamped: 2 s from the first look
        {{1000, BUSY, 0, true, S::Wait}, {3000, BUSY, 0, true, S::TakeOver}, {3001, BUSY, 3000, true, S::Wait}},
        {{0xFFFFFFF0u, BUSY, 0xFFFFFFF0u, true, S::Wait}, {0x7C0, BUSY, 0xFFFFFFF0u, true, S::TakeOver}},
    };
    for (const std::vector<Look>& looks : cases) {
        SharedInitWait wait;
        for (const Look& l : looks) {
            EXPECT_EQ(wait.MayLook(l.now), l.due) << l.now;
            if (!l.due) continue;
            EXPECT_EQ(wait.Look(l.state, l.stamp, l.now), l.step) << l.now;
            if (l.step == S::Wait) wait.Waited(l.now);
        }
    }
    SharedInitWait wait;  // a live initialiser: looks 10, 20, 40 ... ms apart, at most 500
    for (uint32_t now = 1000, delay = 10; now < 2600; now += delay, delay = std::min(2 * delay, 500u)) {
        EXPECT_TRUE(wait.MayLook(now) && (now == 1000 || !wait.MayLook(now - 1))) << now;
        EXPECT_EQ(wait.Look(BUSY, 999, now), S::Wait);
        wait.Waited(now);
    }
    EXPECT_EQ(SharedInitWait::Stamp(0), 1u) << "0 is no stamp";
}

}  // namespace
}  // namespace quorvel
