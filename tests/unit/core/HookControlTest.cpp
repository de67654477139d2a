#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/HookControl.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;

TEST(HookControl, StartInstallsTheThreeHooksForAllThreadsWithTheModule) {
    FakeLibrary lib;
    EXPECT_EQ(StartHook(lib.ctx), 1);
    ASSERT_EQ(lib.os.hooksSet.size(), 3u);
    EXPECT_EQ(lib.os.hooksSet[0].first, win::WH_CALLWNDPROCRET);
    EXPECT_EQ(lib.os.hooksSet[1].first, win::WH_MOUSE);
    EXPECT_EQ(lib.os.hooksSet[2].first, win::WH_GETMESSAGE);
    EXPECT_EQ(lib.os.hooksSet[0].second, lib.process.ModuleHandle);
    EXPECT_NE(lib.shared.CallWndRetHook, 0u);
    EXPECT_NE(lib.shared.MouseHook, 0u);
    EXPECT_NE(lib.shared.GetMessageHook, 0u);
    EXPECT_EQ(lib.LogLines(), (std::vector<std::string>{"Enter function start", "Leave function start"}));
}

TEST(HookControl, AMissingGetMessageHookIsLoggedButDoesNotFailTheStart) {
    FakeLibrary lib;
    lib.os.failingHookTypes = {win::WH_GETMESSAGE};
    EXPECT_EQ(StartHook(lib.ctx), 1);
    EXPECT_TRUE(lib.LogHas("Error when starting Quorvel. Internal error code is : 3. System error code is : 57"));
}

TEST(HookControl, EachEssentialHookFailureFailsTheStartAndTheOthersAreStillTried) {
    FakeLibrary lib;
    lib.os.failingHookTypes = {win::WH_CALLWNDPROCRET};
    EXPECT_EQ(StartHook(lib.ctx), 0);
    EXPECT_EQ(lib.os.hooksSet.size(), 2u);
    EXPECT_TRUE(lib.LogHas("Error when starting Quorvel. Internal error code is : 1, System error code is : 57"));

    FakeLibrary lib2;
    lib2.os.failingHookTypes = {win::WH_MOUSE};
    EXPECT_EQ(StartHook(lib2.ctx), 0);
    EXPECT_TRUE(lib2.LogHas("Error when starting Quorvel. Internal error code is : 2. System error code is : 57"));
}

TEST(HookControl, StopWithoutTheFlagRefusesAndChangesNothing) {
    FakeLibrary lib;
    StartHook(lib.ctx);
    PauseQuorvel(lib.ctx);
    lib.ClearLog();
    EXPECT_EQ(StopHook(lib.ctx), 1);
    EXPECT_TRUE(lib.os.hooksRemoved.empty());
    EXPECT_EQ(lib.shared.Paused, 1);
    EXPECT_NE(lib.shared.MouseHook, 0u);
    EXPECT_EQ(lib.LogLines(),
              (std::vector<std::string>{"Enter function stop",
                                        "XXXXXXXXXXXXX StopHookFlag != 1 when unhook WH_CALLWNDPROCRET"}));
}

TEST(HookControl, StopWithTheFlagRemovesTheHooksInOrderAndResetsTheState) {
    FakeLibrary lib;
    lib.shared.Setting = 0x4321;
    StartHook(lib.ctx);
    uint32_t ret = lib.shared.CallWndRetHook, mouse = lib.shared.MouseHook, get = lib.shared.GetMessageHook;
    PauseQuorvel(lib.ctx);
    SetMainWindowAndMessage(lib.ctx, 0x99, 0xC003);
    SetStopHookFlag(lib.ctx);
    lib.ClearLog();
    EXPECT_EQ(StopHook(lib.ctx), 1);
    EXPECT_EQ(lib.os.hooksRemoved, (std::vector<uint32_t>{ret, mouse, get}));
    EXPECT_EQ(lib.shared.CallWndRetHook + lib.shared.MouseHook + lib.shared.GetMessageHook, 0u);
    EXPECT_EQ(lib.shared.Setting, 0x4321u);
    EXPECT_EQ(lib.shared.StopHookFlag, 1u);
    EXPECT_EQ(lib.shared.Paused, 0);
    EXPECT_EQ(lib.shared.FirstInitPending, 1);
    EXPECT_EQ(lib.shared.MainWindow, 0u);
    EXPECT_EQ(lib.LogLines(),
              (std::vector<std::string>{"Enter function stop", "Successfully remove call ret routine",
                                        "Successfully remove get mouse message routine",
                                        "Successfully remove getmessage routine", "Leave function stop"}));
}

TEST(HookControl, FailedRemovalsAreLoggedAndTheHandlesClearedAnyway) {
    FakeLibrary lib;
    StartHook(lib.ctx);
    SetStopHookFlag(lib.ctx);
    lib.os.unhookFails = true;
    StopHook(lib.ctx);
    EXPECT_TRUE(lib.LogHas("Error when stopping Quorvel. Internal error code is 4. Windows error code is : 594"));
    EXPECT_TRUE(lib.LogHas("Error when stopping Quorvel. Internal error code is 5. Windows error code is : 594"));
    EXPECT_TRUE(lib.LogHas("Error when stopping Quorvel. Internal error code is 6. Windows error code is : 594"));
    EXPECT_EQ(lib.shared.MouseHook, 0u);
}

TEST(HookControl, HooksAlreadyRemovedAreSkippedWithoutLookingAtTheFlag) {
    FakeLibrary lib;
    lib.shared.Paused = 1;
    EXPECT_EQ(StopHook(lib.ctx), 1);
    EXPECT_FALSE(lib.LogHas("StopHookFlag != 1"));
    EXPECT_EQ(lib.shared.Paused, 0);  // nothing to refuse: the reset runs
}

TEST(HookControl, RegistrationsAreStoredAndTwoOfThemLogged) {
    FakeLibrary lib;
    EXPECT_EQ(SetMainWindowAndMessage(lib.ctx, 0x1234, 0xC003), 0x1234u);
    SetAutoClickWindowAndMessage(lib.ctx, 0xABC, 0xC004);
    SetTaskListWindowAndMessage(lib.ctx, 0xDEF, 0xC002);
    EXPECT_EQ(SetPromptRestWindow(lib.ctx, 0x55), 0x55u);
    EXPECT_EQ(SetQuorvelWindowUserData(lib.ctx, 0xAAAAAAAA), 0xAAAAAAAAu);
    EXPECT_EQ(lib.shared.MainWindowMessage, 0xC003u);
    EXPECT_EQ(lib.shared.AutoClickWindow, 0xABCu);
    EXPECT_EQ(lib.shared.TaskListMessage, 0xC002u);
    EXPECT_EQ(lib.shared.PromptRestWindow, 0x55u);
    EXPECT_EQ(lib.shared.OwnWindowMarker, 0xAAAAAAAAu);
    EXPECT_TRUE(lib.LogHas("Auto Click window handler : abc\n"));
    EXPECT_TRUE(lib.LogHas("Task list window handler : def\n"));
    EXPECT_TRUE(lib.os.posted.empty());  // nothing is ever posted to them
}

TEST(HookControl, TheVersionIsStoredAndLoggedWithASeparatorAndAnEmptyLine) {
    FakeLibrary lib;
    SetQuorvelVersion(lib.ctx, 2, 1, 20);
    EXPECT_EQ(lib.shared.VersionBuild, 20);
    EXPECT_EQ(lib.LogLines(), (std::vector<std::string>{"Quorvel version 2.1 Build 20",
                                                        "-------------------------------------------", ""}));
}

TEST(HookControl, TheBrowserWindowTableHoldsEachKeyOnce) {
    FakeLibrary lib;
    AddIEWindow(lib.ctx, 5);
    AddIEWindow(lib.ctx, 5);
    EXPECT_EQ(std::count(std::begin(lib.shared.IEWindowTable), std::end(lib.shared.IEWindowTable), 5u), 1);
    RemoveIEWindow(lib.ctx, 5);
    EXPECT_EQ(std::count(std::begin(lib.shared.IEWindowTable), std::end(lib.shared.IEWindowTable), 5u), 0);

    AddIEWindow(lib.ctx, 0);  // a free slot holds 0 already
    for (uint32_t k = 1; k <= IE_WINDOW_TABLE_SIZE; ++k) AddIEWindow(lib.ctx, k);
    AddIEWindow(lib.ctx, 1000);  // a full table drops it
    EXPECT_EQ(std::count(std::begin(lib.shared.IEWindowTable), std::end(lib.shared.IEWindowTable), 1000u), 0);
    EXPECT_EQ(lib.shared.IEWindowTable[IE_WINDOW_TABLE_SIZE - 1], static_cast<uint32_t>(IE_WINDOW_TABLE_SIZE));
}

TEST(HookControl, WordHelpersDoNotExtendTheSign) {
    EXPECT_EQ(HiWord(0xFFFF0001u), 0xFFFFu);
    EXPECT_EQ(LowWord(0xFFFF0001u), 1u);
    EXPECT_EQ(HiWord(0x00010000u), 1u);
}

}  // namespace
}  // namespace quorvel
