#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/hooks/ProcessAttach.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;
constexpr const char* kKey = "SOFTWARE\\Harnwick\\Quorvel";

// A library that has not yet been initialised in this life.
struct FreshLibrary : FakeLibrary {
    FreshLibrary() {
        InitialiseSharedState(shared);
        os.metrics[win::SM_CXDOUBLECLK] = 4;
        os.metrics[win::SM_CYDOUBLECLK] = 6;
        os.metrics[win::SM_CXHSCROLL] = 17;
        os.metrics[win::SM_CYHSCROLL] = 18;
        os.metrics[win::SM_CXVSCROLL] = 19;
        os.metrics[win::SM_CYVSCROLL] = 21;
        os.doubleClickTime = 400;
        os.moduleNames[kModule] = "C:\\Tools\\system.dat";
        os.SetDword("SOFTWARE\\Microsoft\\Internet Explorer", "unused", 0);
        os.registry["software\\microsoft\\internet explorer"]["version"] = {win::REG_SZ,
                                                                            std::string("6.0.2900.5512\0", 14)};
    }
    void Attach() { OnProcessAttach(ctx, kModule, events); }
    std::vector<std::string> Lines() const { return os.Lines("C:\\Tools\\QuorvelLog.txt"); }
    static constexpr uintptr_t kModule = 0x10000000;
    WaitEvents events{0x40, 0, 0x44, 0};
};

TEST(StartUp, FirstAttachInitialisesOnceAndLogsTheStartUpLinesInOrder) {
    FreshLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0x2000);
    lib.Attach();
    EXPECT_EQ(lib.shared.FirstInitPending, 0);
    EXPECT_EQ(lib.shared.Setting, 0x2000u);
    EXPECT_STREQ(lib.shared.InstallPath, "C:\\Tools\\");
    EXPECT_STREQ(lib.shared.SetForegroundWindowPath, "C:\\Tools\\SetForegroundWindow.exe");
    EXPECT_EQ(lib.shared.DoubleClickTime, 400);
    EXPECT_EQ(lib.shared.DoubleClickHeight, 6);
    EXPECT_EQ(lib.shared.IsNTPlatform, 1);
    EXPECT_EQ(lib.process.ModuleHandle, FreshLibrary::kModule);
    EXPECT_EQ(lib.process.OuterWaitEvent, 0x40u);

    std::vector<std::string> expected = {
        "Quorvel is being started.",
        "-------------------------------------------",
        "Setting info is 0x2000",
        "",
        "Date :  2026/12/08  Time : 09:30:15 (Universal Time)",
        "Microsoft Windows XP Service Pack 3 (Build 2600)",
        "IE version : 6.0.2900.5512",
        "OS language id : 1033",
        "Install Path : C:\\Tools\\",
        "Double click time limit : 400 ms",
        "Double click x limit : 4",
        "Double click y limit : 6",
        "Screen width : 1024",
        "Screen height : 768",
        "CXHSCROLL : 17",
        "CYHSCROLL : 18",
        "CXVSCROLL : 19",
        "CYVSCROLL : 21",
        "MIN_MOUSE_MOVE_DISTANCE : 20",
        "MAX_MOUSE_TRACE_NUM : 100",
        "MAX_WINDOW_TEXT_LEN : 300",
        "MAX_WINDOW_CLASSNAME_LEN : 200",
        "MOUSE_BUTTON_DRAG_TIME_LIMIT : 2000 ms",
        "MBUTTON_DBCLICK_TIME_LIMIT : 1500 ms",
        "SetForegroundWindow full name : C:\\Tools\\SetForegroundWindow.exe",
    };
    EXPECT_EQ(lib.Lines(), expected);
}

TEST(StartUp, ASecondProcessNeitherTruncatesTheLogNorRereadsTheSetting) {
    FreshLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0x2000);
    lib.Attach();
    size_t lines = lib.Lines().size();
    lib.os.SetDword(kKey, "Setting", 0x1);
    ProcessState second;
    Context ctx2{lib.os, lib.shared, second};
    OnProcessAttach(ctx2, 0x20000000, lib.events);
    EXPECT_EQ(lib.Lines().size(), lines);
    EXPECT_EQ(lib.shared.Setting, 0x2000u);
    EXPECT_EQ(second.ModuleHandle, 0x20000000u);
}

TEST(StartUp, WithoutASettingAllFeaturesAreOnAndTheFailureIsLoggedWithAnEmptyLine) {
    FreshLibrary lib;
    lib.shared.Setting = 0;
    lib.Attach();
    EXPECT_EQ(lib.shared.Setting, 0xFFFFu);
    std::vector<std::string> lines = lib.Lines();
    auto it = std::find(lines.begin(), lines.end(), "Can't get setting info from registry");
    ASSERT_NE(it, lines.end());
    ASSERT_NE(it + 1, lines.end());
    EXPECT_EQ(*(it + 1), "");
}

TEST(StartUp, FailedQueriesStoreTheirFixedTextsAndLogTheirLines) {
    FreshLibrary lib;
    lib.os.versionReadable = false;
    lib.os.registry.erase("software\\microsoft\\internet explorer");
    lib.os.registeredMessage = 0;
    lib.events = WaitEvents{0, 0x5, 0, 0x6};
    lib.Attach();
    EXPECT_STREQ(lib.shared.WindowsVersionText, "Can't get window version.\n");
    EXPECT_STREQ(lib.shared.IEVersionText, "Can't get IE version.\n");
    std::vector<std::string> lines = lib.Lines();
    auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
    EXPECT_TRUE(has("Error when creating OuterWaitEvent. GetLastError is 5"));
    EXPECT_TRUE(has("Error when creating InnerWaitEvent. GetLastError is 6"));
    EXPECT_TRUE(has("Error when RegisterWindowMessage(\"QuorvelSetSmartScrollCursorMessage\")."));
    EXPECT_TRUE(has("IE version : Can't get IE version."));
}

TEST(StartUp, InstallPathsAreBoundedByTheirFields) {
    SharedState s;
    InitialiseSharedState(s);
    SetInstallPaths(s, "C:\\Tools\\system.dat");
    EXPECT_STREQ(s.InstallPath, "C:\\Tools\\");
    EXPECT_STREQ(s.SetForegroundWindowPath, "C:\\Tools\\SetForegroundWindow.exe");

    // A folder that fits InstallPath but not with "SetForegroundWindow.exe".
    std::string folder = "C:\\" + std::string(285, 'f') + "\\";
    SetInstallPaths(s, (folder + "system.dat").c_str());
    EXPECT_EQ(std::string(s.InstallPath), folder);
    EXPECT_STREQ(s.SetForegroundWindowPath, "");

    // A name longer than the 300 characters read: no folder at all, never a cut one.
    std::string longName = "C:\\" + std::string(300, 'g') + "\\system.dat";
    SetInstallPaths(s, longName.c_str());
    EXPECT_STREQ(s.InstallPath, "");
    EXPECT_STREQ(s.SetForegroundWindowPath, "");
}

struct VersionCase {
    uint32_t platform, major, minor, build;
    const char* csd;
    const char* text;
    int nt;
};

class WindowsVersionText : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionText, DescribesTheVersion) {
    const VersionCase& c = GetParam();
    FakeLibrary lib;
    lib.shared.IsNTPlatform = 0;
    lib.os.version.platformId = c.platform;
    lib.os.version.major = c.major;
    lib.os.version.minor = c.minor;
    lib.os.version.build = c.build;
    std::strcpy(lib.os.version.csdVersion, c.csd);
    char text[WINDOWS_VERSION_TEXT_SIZE];
    ASSERT_TRUE(GetWindowsVersionText(lib.os, lib.shared, text, sizeof text));
    EXPECT_STREQ(text, c.text);
    EXPECT_EQ(lib.shared.IsNTPlatform, c.nt);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, WindowsVersionText,
    ::testing::Values(
        VersionCase{2, 5, 1, 2600, "Service Pack 2", "Microsoft Windows XP Service Pack 2 (Build 2600)", 1},
        VersionCase{2, 5, 0, 0x08000893, "", "Microsoft Windows 2000  (Build 2195)", 1},
        VersionCase{2, 4, 0, 1381, "Service Pack 6", "Microsoft Windows NT version 4.0 Service Pack 6 (Build 1381)", 1},
        VersionCase{2, 6, 1, 7601, "Service Pack 1", "Service Pack 1 (Build 7601)", 1},
        VersionCase{1, 4, 10, 2222, " A ", "Microsoft Windows 98 SE ", 0},
        VersionCase{1, 4, 10, 1998, "", "Microsoft Windows 98 ", 0},
        VersionCase{1, 4, 0, 950, " C", "Microsoft Windows 95 OSR2 ", 0},
        VersionCase{1, 4, 90, 3000, " ", "Microsoft Windows Me ", 0},
        VersionCase{0, 1, 0, 0, "", "Microsoft Win32s ", 0}, VersionCase{7, 1, 0, 0, "", "", 0}));

}  // namespace
}  // namespace quorvel
