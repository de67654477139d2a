// The everyday controls: preferences, the icon's menu and look, pause, the
// exclusion list.
#include "control/core/EverydayControl.h"

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

// "Start with Windows" switches the user's own entry; the installer's one
// for every account shows it checked and is explained, not switched (a user
// entry beside it would only start Quorvel twice: it goes).
TEST(EverydayControl, StartWithWindowsPerUserAndTheInstallersEntry) {
    const struct {
        AutoStart before;
        const char* item;
        std::vector<std::string> calls;
    } cases[] = {
        {{false, false}, "Start with Wi&ndows", {"set 1"}},
        {{true, false}, "[x]Start with Wi&ndows", {"set 0"}},
        {{false, true}, "[x]Start with Wi&ndows (every account)", {"explain"}},
        {{true, true}, "[x]Start with Wi&ndows (every account)", {"set 0", "explain"}},
    };
    for (const auto& c : cases) {
        Everyday e;
        std::vector<std::string> calls;
        e.control.Features().autoStart = [&] { return c.before; };
        e.control.Features().setAutoStart = [&](bool on) { return calls.push_back(on ? "set 1" : "set 0"), true; };
        e.control.Features().explain = [&](const std::string&) { calls.push_back("explain"); };
        for (const TrayMenuItem& i : e.control.MenuItems()) {
            if (i.command == TrayStartWithWindows) EXPECT_EQ((i.checked ? "[x]" : "") + i.text, c.item);
        }
        e.Run({TrayStartWithWindows});
        EXPECT_EQ(calls, c.calls) << c.item;
    }
    Everyday e;  // "Restart with administrator rights": only while not elevated
    int restarts = 0;
    e.control.Features().restartElevated = [&] { ++restarts; };
    EXPECT_EQ(e.control.MenuItems()[e.control.MenuItems().size() - 2].text, "Restart with ad&ministrator rights");
    e.Run({TrayRestartElevated});
    EXPECT_EQ(restarts, 1);
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

}  // namespace
}  // namespace quorvel
