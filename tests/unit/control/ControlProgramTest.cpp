#include "control/core/ControlProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "LibraryImageMaker.h"
#include "RecordingLibrary.h"

namespace quorvel {
namespace {

class RecordingShell : public ProgramShell {
public:
    explicit RecordingShell(Log& log) : log_(log) {}
    RunningInstance running{false, 0, 0, 0};
    ControlProgram* program = nullptr;
    bool mainLoaded = false;
    bool autoClickExists = false;

    RunningInstance FindRunningInstance() override {
        Note("FindRunningInstance");
        return running;
    }
    void WorkAreaSize(int& width, int& height) override {
        width = 1024;
        height = 740;
    }
    void HandOverTo(const ScreenPoint& origin) override {
        Note("HandOverTo " + std::to_string(origin.x) + "," + std::to_string(origin.y));
    }
    std::string ModuleFileName() override { return "C:\\Q\\Quorvel.exe"; }
    uint32_t CreateForm(FormId form) override {
        Note("CreateForm " + Name(form));
        if (form == FormId::Main) mainLoaded = true;
        if (form == FormId::AutoClick && !autoClickExists) return 0;
        return 0x100 + static_cast<uint32_t>(form);
    }
    void UnloadForm(FormId form) override {
        Note("UnloadForm " + Name(form));
        if (form == FormId::Main && !program->OnMainFormUnload()) mainLoaded = false;
    }
    void HideForm(FormId form) override { Note("HideForm " + Name(form)); }
    void MarkMainWindow() override { Note("MarkMainWindow"); }
    void SubclassMainWindow() override { Note("SubclassMainWindow"); }
    void ShowStart() override { Note("ShowStart"); }
    void StartMonitorClock() override { Note("StartMonitorClock"); }
    void ShowStartFailure(const std::string& text) override { Note("ShowStartFailure " + text); }
    void RemoveCloseMenuItem() override { Note("RemoveCloseMenuItem"); }

private:
    static std::string Name(FormId form) {
        switch (form) {
            case FormId::AutoClick: return "AutoClick";
            case FormId::Animation: return "Animation";
            case FormId::PromptRest: return "PromptRest";
            case FormId::Main: return "Main";
            case FormId::TaskList: return "TaskList";
        }
        return "?";
    }
    void Note(const std::string& call) { log_.push_back(call); }
    Log& log_;
};

class ControlProgramTest : public ::testing::Test {
protected:
    ControlProgramTest() { shell.program = &program; }
    Log log;
    FakeFileSystem fs;
    RecordingLibrary library{log, fs};
    RecordingShell shell{log};
    ControlProgram program{library, fs, shell};
};

TEST_F(ControlProgramTest, StartsInOrderAndLoadsTheRefreshedLibrary) {
    fs.files = {{"C:\\Q\\system.dat", MakeLibraryImage("used")}, {"C:\\Q\\system2.dat", MakeLibraryImage("pristine")}};
    fs.files["C:\\Q\\Quorvel.exe.133526147830000000.old"] = "the previous version";
    ASSERT_TRUE(program.Start());
    EXPECT_FALSE(fs.Exists("C:\\Q\\Quorvel.exe.133526147830000000.old"));
    EXPECT_EQ(program.ProgramDirectory(), "C:\\Q\\");
    EXPECT_EQ(library.loadedLibrary, MakeLibraryImage("pristine"));
    EXPECT_EQ(log, (Log{
                       "FindRunningInstance",
                       "SetQuorvelVersion 2.1.20",
                       "SetQuorvelWindowUserData AAAAAAAA",
                       "CreateForm Animation",
                       "CreateForm PromptRest",
                       "SetPromptRestWindow 102",
                       "CreateForm AutoClick",
                       "CreateForm TaskList",
                       "SetTaskListWindowAndMessage 104 C002",
                       "CreateForm Main",
                       "MarkMainWindow",
                       "startHook",
                       "SetMainWindowAndMessage 103 C003",
                       "SubclassMainWindow",
                       "ShowStart",
                       "StartMonitorClock",
                       "RemoveCloseMenuItem",
                   }));
    EXPECT_FALSE(program.ExitRequested());
}

TEST_F(ControlProgramTest, RegistersTheAutoClickWindowOnceThereIsOne) {
    shell.autoClickExists = true;
    program.Start();
    EXPECT_NE(std::find(log.begin(), log.end(), "SetAutoClickWindowAndMessage 100 C004"), log.end());
}

TEST_F(ControlProgramTest, SecondStartHandsOverWithoutTouchingFilesOrLibrary) {
    shell.running = {true, OWN_WINDOW_MARKER, 384, 83};
    fs.files = {{"C:\\Q\\system.dat", MakeLibraryImage("used")},
                {"C:\\Q\\system2.dat", MakeLibraryImage("pristine")},
                {"C:\\Q\\system.dat.1.old", "in use by the running one"}};
    const auto before = fs.files;
    EXPECT_FALSE(program.Start());
    EXPECT_EQ(log, (Log{"FindRunningInstance", "HandOverTo 320,328"}));  // 328.5 rounds to even
    EXPECT_EQ(fs.files, before);
}

TEST_F(ControlProgramTest, AWindowWithoutTheMarkerIsNoRunningInstance) {
    shell.running = {true, 0x12345678, 384, 83};
    EXPECT_TRUE(program.Start());
    EXPECT_NE(std::find(log.begin(), log.end(), "startHook"), log.end());
}

TEST_F(ControlProgramTest, FailedHookStartReportsUnloadsAndStops) {
    library.startResult = 0;
    fs.files = {{"C:\\Q\\system.dat", MakeLibraryImage("lib")}};
    ASSERT_TRUE(program.Start());
    const Log tail(log.begin() + 11, log.end());
    EXPECT_EQ(tail, (Log{
                        "startHook",
                        "ShowStartFailure " + StartFailureText(),
                        "UnloadForm AutoClick",
                        "UnloadForm TaskList",
                        "UnloadForm Animation",
                        "UnloadForm PromptRest",
                        "RemoveCloseMenuItem",
                        "UnloadForm Main",
                        "SetStopHookFlag",
                        "stopHook",
                    }));
    EXPECT_TRUE(program.ExitRequested());
    EXPECT_FALSE(shell.mainLoaded);
    EXPECT_EQ(fs.files["C:\\Q\\system2.dat"], MakeLibraryImage("lib"));
}

// A library that cannot share its state is told in plain words.
TEST_F(ControlProgramTest, AStateThatCannotBeSharedIsToldPlainly) {
    library.startResult = 0;
    for (uint32_t status : {SHARED_STATE_REFUSED, SHARED_STATE_UNAVAILABLE, SHARED_STATE_NOT_YET}) {
        library.sharedStateStatus = status;
        program.OnMainFormLoad(0x100);
        const std::string text = status == SHARED_STATE_NOT_YET ? StartFailureText() : SharedStateFailureText(status);
        EXPECT_EQ(log[log.size() - 6], "ShowStartFailure " + text) << status;
    }
}

TEST_F(ControlProgramTest, StartFailureNamesTheSupportAddress) {
    EXPECT_EQ(StartFailureText(),
              "Error when starting Quorvel. Please stop any other mouse enhancement software and try again. "
              "If this problem still exists, report a bug to " +
                  std::string(SUPPORT_ADDRESS) + ".");
}

TEST_F(ControlProgramTest, UnloadWithoutStopOnlyHides) {
    program.Start();
    log.clear();
    EXPECT_TRUE(program.OnMainFormUnload());
    EXPECT_EQ(log, (Log{"HideForm Main"}));
}

TEST_F(ControlProgramTest, StopUnloadsEveryFormAndRemovesTheHooksWithTheFlagFirst) {
    fs.files = {{"C:\\Q\\system.dat", MakeLibraryImage("lib")}, {"C:\\Q\\system2.dat", MakeLibraryImage("pristine")}};
    program.Start();
    fs.files["C:\\Q\\system.dat"] = MakeLibraryImage("lib");
    log.clear();
    program.Stop();
    EXPECT_EQ(log, (Log{
                       "HideForm Main",
                       "UnloadForm AutoClick",
                       "UnloadForm TaskList",
                       "UnloadForm Main",
                       "SetStopHookFlag",
                       "stopHook",
                       "UnloadForm Animation",
                       "UnloadForm PromptRest",
                   }));
    EXPECT_FALSE(shell.mainLoaded);
    EXPECT_EQ(fs.files["C:\\Q\\system2.dat"], MakeLibraryImage("pristine"));  // kept as it was
}

}  // namespace
}  // namespace quorvel
