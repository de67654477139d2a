// The everyday controls: preferences, the icon's menu and look, pause, the
// exclusion list, what the hooks are told of the desktop.
#include "control/core/EverydayControl.h"
#include "control/core/DesktopWatch.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "RecordingLibrary.h"
#include "control/core/Hotkeys.h"

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
    void ShowNotification(const std::string& title, const std::string& text) override {
        log_.push_back("Notification " + title + ": " + text);
    }

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
        const char* browsers = "msedge.exe|chrome.exe|brave.exe|vivaldi.exe|opera.exe|firefox.exe||";
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
        {"browsers of the user's own",
         {},
         {{"BrowserPrograms", Bytes("Chrome.exe\0C:\\Apps\\My.exe\0")}},
         {"SetFullScreenPause 1", "SetExcludedPrograms |", "ShowIcon 1 Quorvel - running"},
         "Chrome.exe|My.exe||"},
    };
    for (const Case& c : cases) {
        Everyday e;
        e.store.dwords = c.dwords;
        e.store.strings = c.strings;
        e.control.Start();
        Log calls = c.calls;
        calls.insert(calls.begin() + 2, std::string("SetBrowserPrograms ") + c.browsers);
        EXPECT_EQ(e.log, calls) << c.what;
    }
}

TEST(EverydayControl, PauseResumeAndStopFromTheMenu) {
    Everyday e;
    e.control.Features().pausedChanged = [&](bool paused) { e.log.push_back(paused ? "told paused" : "told running"); };
    EXPECT_FALSE(e.control.Notify("Quorvel", "before the icon")) << "notifications come from the icon only";
    e.control.Start();
    EXPECT_TRUE(e.control.Notify("Quorvel", "a hotkey"));
    EXPECT_EQ(e.log.back(), "Notification Quorvel: a hotkey");
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
                                        "T&utorial",     "&Help",  "St&op"};
    EXPECT_EQ(texts(e.control), base);
    bool dwell = true;
    Log opened;
    e.control.Features().openTaskSwitcher = [&](bool byKeys) { opened.push_back(byKeys ? "keys" : "pointer"); };
    e.control.Features().openAutoClick = [&](const ScreenPoint* at) {
        opened.push_back(at ? std::to_string(at->x) + "," + std::to_string(at->y) : "at the pointer");
    };
    e.control.Features().dwellEnabled = [&] { return dwell; };
    e.control.Features().setDwellEnabled = [&](bool on) { dwell = on; };
    EXPECT_EQ(texts(e.control),
              (std::vector<std::string>{"&Show Quorvel", "&Pause", "Se&ttings...", "Task s&witcher", "&Auto click",
                                        "[x]Auto click on &dwell", "&Exclusions...", "T&utorial", "&Help", "St&op"}));
    // The switcher as the menu was opened; the box where the pointer was then.
    e.control.OnMenuOpening({640, 300}, true);
    e.Run({TrayTaskSwitcher});
    e.control.OnMenuOpening({640, 300}, true);
    e.Run({TrayAutoClick, TrayDwell, TrayAutoClick});  // the second without a menu
    e.control.OnMenuOpening({1010, 750}, false);
    e.Run({TrayTaskSwitcher});
    EXPECT_EQ(opened, (Log{"keys", "640,300", "at the pointer", "pointer"}));
    EXPECT_FALSE(dwell);
    // Every access key once in the menu, paused or not.
    for (int paused = 0; paused < 2; ++paused) {
        std::string keys;
        for (const TrayMenuItem& item : e.control.MenuItems()) {
            const size_t amp = item.text.find('&');
            ASSERT_NE(amp, std::string::npos) << item.text;
            const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(item.text[amp + 1])));
            EXPECT_EQ(keys.find(key), std::string::npos) << item.text << " repeats " << key;
            keys += key;
        }
        e.Run({TrayPauseResume});
    }
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
    // The browser list goes the same way, and to the drag-to-scroll receiver.
    std::string told;
    e.control.OnBrowserProgramsChanged([&](const std::string& packed) { told = packed; });
    e.control.ChangeBrowserPrograms({"firefox.exe", "D:\\Portable\\Waterfox.exe", "FIREFOX.EXE"});
    EXPECT_EQ(e.log.back(), "SetBrowserPrograms firefox.exe|Waterfox.exe||");
    EXPECT_EQ(told, Bytes("firefox.exe\0Waterfox.exe\0\0"));
    EXPECT_EQ(e.store.strings["BrowserPrograms"], told);
}

// Registers what it is given unless `answers` says otherwise.
class RecordingRegistrar : public HotkeyRegistrar {
public:
    std::map<std::string, HotkeyState> answers;
    Log calls;
    HotkeyState Register(const Hotkey& hotkey) override {
        calls.push_back("register " + HotkeyText(hotkey));
        auto it = answers.find(HotkeyText(hotkey));
        return it == answers.end() ? HotkeyState::Registered : it->second;
    }
    void Unregister() override { calls.push_back("unregister"); }
};

TEST(Hotkeys, PreferenceRegistrationAndWhatTheUserIsTold) {
    const uint32_t ctrlShiftF12 = (HOTKEY_CONTROL | HOTKEY_SHIFT) << 8 | 0x7B;
    struct Case {
        const char* what;
        std::map<std::string, uint32_t> stored;
        std::map<std::string, HotkeyState> answers;
        Log calls;
        std::string problem;
    } cases[] = {
        {"nothing stored: Ctrl+Alt+F10", {}, {}, {"register Ctrl+Alt+F10"}, ""},
        {"the user's own",
         {{"TaskSwitcherHotkey", (HOTKEY_WIN | HOTKEY_SHIFT) << 8 | 'S'}},
         {},
         {"register Win+Shift+S"},
         ""},
        {"none", {{"TaskSwitcherHotkey", 0}}, {}, {}, ""},
        {"Shift+A would take a capital A from typing: the standard one",
         {{"TaskSwitcherHotkey", HOTKEY_SHIFT << 8 | 'A'}},
         {},
         {"register Ctrl+Alt+F10"},
         ""},
        {"held by another program",
         {},
         {{"Ctrl+Alt+F10", HotkeyState::Taken}},
         {"register Ctrl+Alt+F10"},
         "Ctrl+Alt+F10 (the task switcher) is used by another program."},
        {"AltGr+Q types @ on the user's layout",
         {{"TaskSwitcherHotkey", (HOTKEY_CONTROL | HOTKEY_ALT) << 8 | 'Q'}},
         {{"Ctrl+Alt+Q", HotkeyState::TypesCharacter}},
         {"register Ctrl+Alt+Q"},
         "Ctrl+Alt+Q (the task switcher) types a character on your keyboard."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeStore store;
        store.dwords = c.stored;
        RecordingRegistrar registrar;
        registrar.answers = c.answers;
        HotkeyBinding binding(TaskSwitcherHotkey());
        binding.Start(store, registrar);
        EXPECT_EQ(registrar.calls, c.calls);
        EXPECT_EQ(binding.Problem(), c.problem);
        EXPECT_EQ(HotkeyNotice({&binding}), c.problem.empty() ? "" : c.problem + " Choose another hotkey in Settings.");
    }
    // Changes from the settings: one that cannot be had changes nothing.
    FakeStore store;
    RecordingRegistrar registrar;
    registrar.answers["Ctrl+Alt+F9"] = HotkeyState::Taken;
    HotkeyBinding binding(AutoClickHotkey());
    binding.Start(store, registrar);
    EXPECT_EQ(binding.Change({HOTKEY_CONTROL | HOTKEY_ALT, 0x78}, store), HotkeyState::Taken);
    EXPECT_EQ(HotkeyText(binding.Current()), "Ctrl+Alt+F11");
    EXPECT_TRUE(store.dwords.empty());
    EXPECT_EQ(binding.Change(HotkeyFromControl(ControlValueOf({HOTKEY_CONTROL | HOTKEY_SHIFT, 0x7B})), store),
              HotkeyState::Registered);
    EXPECT_EQ(store.dwords["AutoClickHotkey"], ctrlShiftF12);
    EXPECT_EQ(binding.Change({}, store), HotkeyState::Off);
    EXPECT_EQ(store.dwords["AutoClickHotkey"], 0u);
    EXPECT_EQ(registrar.calls, (Log{"register Ctrl+Alt+F11", "register Ctrl+Alt+F9", "register Ctrl+Alt+F11",
                                    "register Ctrl+Shift+F12", "unregister"}));
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
