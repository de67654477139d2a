// The everyday controls: preferences, the icon's menu and look, pause, the
// exclusion list, what the hooks are told of the desktop.
#include "control/core/EverydayControl.h"
#include "control/core/DesktopWatch.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "RecordingLibrary.h"

namespace quorvel {
namespace {

class FakeStore : public PreferenceStore {
public:
    std::map<std::string, uint32_t> dwords;
    std::map<std::string, std::string> strings;
    bool ReadDword(const char* name, uint32_t* value) override {
        auto it = dwords.find(name);
        if (it == dwords.end()) return false;
        *value = it->second;
        return true;
    }
    bool WriteDword(const char* name, uint32_t value) override {
        dwords[name] = value;
        return true;
    }
    bool ReadMultiString(const char* name, std::string* bytes) override {
        auto it = strings.find(name);
        if (it == strings.end()) return false;
        *bytes = it->second;
        return true;
    }
    bool WriteMultiString(const char* name, const std::string& bytes) override {
        strings[name] = bytes;
        return true;
    }
};

class RecordingEverydayShell : public EverydayShell {
public:
    explicit RecordingEverydayShell(Log& log) : log_(log) {}
    void ShowMainForm() override { log_.push_back("ShowMainForm"); }
    void ShowSettings() override { log_.push_back("ShowSettings"); }
    void ShowExclusions() override { log_.push_back("ShowExclusions"); }
    void StartTutorial() override { log_.push_back("StartTutorial"); }
    void ShowHelp() override { log_.push_back("ShowHelp"); }
    void Stop() override { log_.push_back("Stop"); }
    void ShowIcon(const TrayLook& look) override {
        log_.push_back("ShowIcon " + std::to_string(look.iconId) + " " + look.tooltip);
    }
    void RemoveIcon() override { log_.push_back("RemoveIcon"); }

private:
    Log& log_;
};

struct Everyday {
    Log log;
    FakeFileSystem fs;
    RecordingLibrary library{log, fs};
    FakeStore store;
    RecordingEverydayShell shell{log};
    EverydayControl control{library, store, shell};
    Log Run(std::initializer_list<uint16_t> commands) {
        log.clear();
        for (uint16_t c : commands) control.OnCommand(c);
        return log;
    }
};

// The bytes of a literal with embedded zeros, without its own terminator.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

TEST(EverydayControl, StartHandsThePreferencesToTheLibraryAndShowsTheIcon) {
    struct Case {
        const char* what;
        std::map<std::string, uint32_t> dwords;
        std::map<std::string, std::string> strings;
        Log calls;
    } cases[] = {
        {"nothing stored", {}, {}, {"SetFullScreenPause 1", "SetExcludedPrograms |", "ShowIcon 1 Quorvel - running"}},
        {"no icon, no full-screen pause",
         {{"TrayIcon", 0}, {"FullScreenPause", 0}},
         {},
         {"SetFullScreenPause 0", "SetExcludedPrograms |"}},
        {"a list as regedit leaves it",
         {},
         {{"ExcludedPrograms", Bytes("Paint.exe\0\"C:\\Games\\game\"\0PAINT.EXE\0\0")}},
         {"SetFullScreenPause 1", "SetExcludedPrograms Paint.exe|game.exe||", "ShowIcon 1 Quorvel - running"}},
        {"a last name without its zero",
         {},
         {{"ExcludedPrograms", Bytes("a.exe\0b.exe")}},
         {"SetFullScreenPause 1", "SetExcludedPrograms a.exe|b.exe||", "ShowIcon 1 Quorvel - running"}},
    };
    for (const Case& c : cases) {
        Everyday e;
        e.store.dwords = c.dwords;
        e.store.strings = c.strings;
        e.control.Start();
        EXPECT_EQ(e.log, c.calls) << c.what;
    }
}

TEST(EverydayControl, PauseResumeAndStopFromTheMenu) {
    Everyday e;
    e.control.Features().pausedChanged = [&](bool paused) { e.log.push_back(paused ? "told paused" : "told running"); };
    e.control.Start();
    EXPECT_EQ(e.Run({TrayPauseResume}), (Log{"PauseQuorvel", "told paused", "ShowIcon 2 Quorvel - paused"}));
    EXPECT_EQ(e.control.MenuItems()[1].text, "&Resume");
    EXPECT_EQ(e.Run({TrayPauseResume}), (Log{"ResumeQuorvel", "told running", "ShowIcon 1 Quorvel - running"}));
    EXPECT_EQ(e.control.MenuItems()[1].text, "&Pause");
    e.control.OnTaskbarCreated();
    EXPECT_EQ(e.log.back(), "ShowIcon 1 Quorvel - running");
    EXPECT_EQ(
        e.Run({TrayShowQuorvel, TraySettings, TrayExclusions, TrayTutorial, TrayHelp, TrayStop}),
        (Log{"ShowMainForm", "ShowSettings", "ShowExclusions", "StartTutorial", "ShowHelp", "RemoveIcon", "Stop"}));
    // Without the icon nothing is drawn, pause still works.
    Everyday hidden;
    hidden.store.dwords["TrayIcon"] = 0;
    hidden.control.Start();
    EXPECT_EQ(hidden.Run({TrayPauseResume, TrayStop}), (Log{"PauseQuorvel", "Stop"}));
}

TEST(EverydayControl, MenuOffersWhatExists) {
    auto texts = [](const EverydayControl& c) {
        std::vector<std::string> t;
        for (const TrayMenuItem& item : c.MenuItems()) t.push_back((item.checked ? "[x]" : "") + item.text);
        return t;
    };
    Everyday e;
    const std::vector<std::string> base{"&Show Quorvel", "&Pause", "Se&ttings...", "&Exclusions...",
                                        "T&utorial",     "&Help",  "S&top"};
    EXPECT_EQ(texts(e.control), base);
    bool dwell = true;
    int opened = 0;
    e.control.Features().openTaskSwitcher = [&] { opened += 10; };
    e.control.Features().openAutoClick = [&] { opened += 1; };
    e.control.Features().dwellEnabled = [&] { return dwell; };
    e.control.Features().setDwellEnabled = [&](bool on) { dwell = on; };
    EXPECT_EQ(texts(e.control),
              (std::vector<std::string>{"&Show Quorvel", "&Pause", "Se&ttings...", "Task s&witcher", "&Auto click",
                                        "[x]Auto click on &dwell", "&Exclusions...", "T&utorial", "&Help", "S&top"}));
    e.Run({TrayTaskSwitcher, TrayAutoClick, TrayDwell});
    EXPECT_EQ(opened, 11);
    EXPECT_FALSE(dwell);
}

TEST(EverydayControl, ExclusionChangesAreStoredAndHandedOver) {
    Everyday e;
    e.control.Start();
    e.log.clear();
    e.control.ChangeExclusions({"mspaint.exe", "C:\\Games\\Game.exe", "MSPAINT.EXE", "  "}, false);
    EXPECT_EQ(e.log, (Log{"SetFullScreenPause 0", "SetExcludedPrograms mspaint.exe|Game.exe||"}));
    EXPECT_EQ(e.store.strings["ExcludedPrograms"], Bytes("mspaint.exe\0Game.exe\0\0"));
    EXPECT_EQ(e.store.dwords["FullScreenPause"], 0u);
}

TEST(ExclusionList, NamesTypedOrPicked) {
    struct Case {
        const char* typed;
        const char* name;
    } cases[] = {
        {"mspaint.exe", "mspaint.exe"},
        {"  \"C:\\Program Files\\CAD\\Cad.EXE\"  ", "Cad.EXE"},
        {"D:/tools/remote", "remote.exe"},
        {"notepad", "notepad.exe"},
        {"C:\\folder\\", ""},
        {"bad|name.exe", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExclusionName(c.typed), c.name) << c.typed;
}

TEST(ExclusionList, AddingKeepsTheListUniqueAndWithinTheRoom) {
    std::vector<std::string> list;
    EXPECT_EQ(AddProgram(list, "Game.exe"), AddResult::Added);
    EXPECT_EQ(AddProgram(list, "C:\\x\\GAME.EXE"), AddResult::AlreadyThere);
    EXPECT_EQ(AddProgram(list, ""), AddResult::NotAName);
    // 10 bytes used with the closing zero; fill up to exactly 1024.
    EXPECT_EQ(AddProgram(list, std::string(1009, 'a') + ".exe"), AddResult::Added);
    EXPECT_EQ(PackedProgramList(list).size(), PROGRAM_LIST_ROOM);
    EXPECT_EQ(AddProgram(list, "b.exe"), AddResult::ListFull);
    EXPECT_EQ(list.size(), 2u);
}

// What Quorvel.exe hands the hooks of the desktop: the monitors, primary
// first, and Windows' word on full-screen programs.
TEST(DesktopWatch, MonitorsGoOverPrimaryFirstWithoutEmptyOnes) {
    const std::vector<MonitorArea> monitors = {
        {-1280, 0, 0, 1024, false}, {1920, 0, 1920, 1080, false}, {0, 0, 1920, 1080, true}};
    EXPECT_EQ(PackMonitorLayout(monitors), (std::vector<int32_t>{0, 0, 1920, 1080, -1280, 0, 0, 1024}));
    EXPECT_EQ(PackMonitorLayout(std::vector<MonitorArea>(40, {0, 0, 9, 9, false})).size(), 64u) << "16 at most";
}

// Asked every 500 ms (across the wrap of the tick count); busy, full-screen
// Direct3D and presentation mode count; a change goes over to the library.
TEST(DesktopWatch, WindowsWordOnFullScreenIsMirroredWhenItChanges) {
    struct : NotificationStateSource {
        uint32_t state = 0;  // 0: Windows cannot be asked
        bool Query(uint32_t* out) override { return (*out = state) != 0; }
    } windows;
    const struct {
        uint32_t at, state;
        const char* handedOver;
    } steps[] = {{0, QUNS_ACCEPTS_NOTIFICATIONS, "SetFullScreenNow 0"},
                 {100, QUNS_BUSY, nullptr},
                 {500, QUNS_BUSY, "SetFullScreenNow 1"},
                 {1000, QUNS_RUNNING_D3D_FULL_SCREEN, nullptr},
                 {1500, QUNS_PRESENTATION_MODE, nullptr},
                 {2000, QUNS_APP, "SetFullScreenNow 0"},
                 {2500, 0, nullptr}};
    Log log;
    FakeFileSystem fs;
    RecordingLibrary library(log, fs);
    FullScreenWatch watch(library, windows);
    for (const auto& s : steps) {
        log.clear();
        windows.state = s.state;
        watch.OnTick(0xFFFFFF00u + s.at);
        EXPECT_EQ(log, s.handedOver ? Log{s.handedOver} : Log{}) << s.at;
    }
}

}  // namespace
}  // namespace quorvel
