#include "ControlProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "FakeFileSystem.h"

namespace quorvel {
namespace {

using Log = std::vector<std::string>;

// Records the calls into the library; startHook answers startResult.
class RecordingLibrary : public HookLibrary {
 public:
  RecordingLibrary(Log& log, FakeFileSystem& fs) : log_(log), fs_(fs) {}
  uint32_t startResult = 1;
  std::string loadedLibrary;  // contents of "system.dat" at the first call

  uint32_t startHook() override { return Note("startHook", startResult); }
  uint32_t stopHook() override { return Note("stopHook", 1); }
  void SetStopHookFlag() override { Note("SetStopHookFlag"); }
  void PauseQuorvel() override { Note("PauseQuorvel"); }
  void ResumeQuorvel() override { Note("ResumeQuorvel"); }
  uint32_t SetMainWindowAndMessage(uint32_t w, uint32_t m) override {
    return Note("SetMainWindowAndMessage " + Hex(w) + " " + Hex(m), w);
  }
  uint32_t SetTaskListWindowAndMessage(uint32_t w, uint32_t m) override {
    return Note("SetTaskListWindowAndMessage " + Hex(w) + " " + Hex(m));
  }
  uint32_t SetAutoClickWindowAndMessage(uint32_t w, uint32_t m) override {
    return Note("SetAutoClickWindowAndMessage " + Hex(w) + " " + Hex(m));
  }
  uint32_t SetPromptRestWindow(uint32_t w) override { return Note("SetPromptRestWindow " + Hex(w), w); }
  uint32_t SetQuorvelWindowUserData(uint32_t marker) override {
    return Note("SetQuorvelWindowUserData " + Hex(marker), marker);
  }
  void SetQuorvelVersion(uint32_t a, uint32_t b, uint32_t c) override {
    Note("SetQuorvelVersion " + std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c));
  }
  void AddIEWindow(uint32_t) override {}
  void RemoveIEWindow(uint32_t) override {}
  uint32_t GetRootWindow(uint32_t w, uint32_t) override { return w; }
  uint32_t IfDialogBoxWindow(uint32_t) override { return 0; }
  uint32_t LowWord(uint32_t v) override { return v & 0xFFFF; }
  uint32_t HiWord(uint32_t v) override { return v >> 16; }
  uint32_t GetSetting() override { return 0xFFFF; }
  uint32_t SaveSetting(uint32_t) override { return 1; }
  uint32_t UserShouldRest(uint32_t*, uint32_t*, uint32_t*, uint32_t*) override { return 0; }
  uint32_t GetUserLastClickOrKeyTime() override { return 0; }
  uint32_t SimulateClick(uint32_t, uint32_t) override { return 1; }

 private:
  static std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", v);
    return text;
  }
  uint32_t Note(const std::string& call, uint32_t result = 0) {
    if (loadedLibrary.empty()) loadedLibrary = fs_.files["C:\\Q\\system.dat"];
    log_.push_back(call);
    return result;
  }
  Log& log_;
  FakeFileSystem& fs_;
};

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
  fs.files = {{"C:\\Q\\system.dat", "used"}, {"C:\\Q\\system2.dat", "pristine"}};
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.ProgramDirectory(), "C:\\Q\\");
  EXPECT_EQ(library.loadedLibrary, "pristine");
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
  shell.running = {true, OwnWindowMarker, 384, 83};
  fs.files = {{"C:\\Q\\system.dat", "used"}, {"C:\\Q\\system2.dat", "pristine"}};
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
  fs.files = {{"C:\\Q\\system.dat", "lib"}};
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
  EXPECT_EQ(fs.files["C:\\Q\\system2.dat"], "lib");
}

TEST_F(ControlProgramTest, StartFailureNamesTheSupportAddress) {
  EXPECT_EQ(StartFailureText(),
            "Error when starting Quorvel. Please stop any other mouse enhancement software and try again. "
            "If this problem still exists, report a bug to " +
                std::string(SupportAddress) + ".");
}

TEST_F(ControlProgramTest, UnloadWithoutStopOnlyHides) {
  program.Start();
  log.clear();
  EXPECT_TRUE(program.OnMainFormUnload());
  EXPECT_EQ(log, (Log{"HideForm Main"}));
}

TEST_F(ControlProgramTest, StopUnloadsEveryFormAndRemovesTheHooksWithTheFlagFirst) {
  fs.files = {{"C:\\Q\\system.dat", "lib"}, {"C:\\Q\\system2.dat", "pristine"}};
  program.Start();
  fs.files["C:\\Q\\system.dat"] = "lib";
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
  EXPECT_EQ(fs.files["C:\\Q\\system2.dat"], "pristine");  // kept as it was
}

}  // namespace
}  // namespace quorvel
