#include "control/core/LaunchRequests.h"

#include "control/core/BrowserLaunch.h"

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "common/Messages.h"

namespace quorvel {
namespace {

struct RecordingStarter : ProgramStarter {
    std::vector<std::string> calls;
    uint32_t taskbar = 0x80001234;
    bool Open(const std::string& path, const std::string& parameters) override {
        calls.push_back(path + "|" + parameters);
        return true;
    }
    uint32_t TaskbarWindow() override { return taskbar; }
    bool StartBrowser() override {
        calls.push_back("browser");
        return true;
    }
};

TEST(LaunchRequests, OnlyQuorvelsOwnActionsOnceWithinTheGuard) {
    struct Case {
        uint32_t action;
        uint32_t afterMs;  // since the previous request
        std::vector<std::string> calls;
    } cases[] = {
        {LAUNCH_SHOW_DESKTOP, 0, {"C:\\Q\\ShowDesktop.scf|", "C:\\Q\\SetForegroundWindow.exe| 2147488308"}},
        {LAUNCH_SHOW_DESKTOP, 499, {}},  // the same request again
        {LAUNCH_BROWSER, 1, {"browser"}},
        {LAUNCH_BROWSER, 500, {"browser"}},
        {0, 1000, {}},
        {3, 1000, {}},
        {0xFFFFFFFF, 1000, {}},
    };
    FakeClock clock(1000);
    RecordingStarter starter;
    LaunchRequests launches(starter, clock, "C:\\Q\\");
    for (const Case& c : cases) {
        clock.now += c.afterMs;
        starter.calls.clear();
        EXPECT_EQ(launches.OnRequest(c.action), !c.calls.empty()) << c.action;
        EXPECT_EQ(starter.calls, c.calls) << c.action;
    }
}

TEST(BrowserStart, TheRegisteredBrowserByItsFullPathWithANewWindow) {
    const std::string ie = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
    struct Case {
        std::string httpCommand, internetExplorer;
        BrowserStart start;
    } cases[] = {
        {"\"C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe\" --single-argument %1",
         ie,
         {"C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe", "--new-window"}},
        {"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"",
         ie,
         {"C:\\Program Files\\Mozilla Firefox\\firefox.exe", "-new-window"}},
        {"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe -- %1",
         "",  // unquoted, with blanks
         {"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", "--new-window"}},
        {"\"\\\\server\\apps\\Browser.exe\" \"%1\"", ie, {"\\\\server\\apps\\Browser.exe", ""}},
        {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1", "\"" + ie + "\"", {ie, ""}},  // IE: as ever
        {"", ie, {ie, ""}},                                 // nothing registered
        {"msedge.exe --single-argument %1", ie, {ie, ""}},  // never a bare name
        {"\"firefox.exe\" %1", "", {}},
        {"\"C:\\Edge\\msedge.exe", ie, {ie, ""}},  // no closing quote
        {"", "iexplore.exe", {}},
    };
    for (const Case& c : cases) {
        const BrowserStart start = ResolveBrowserStart({c.httpCommand, c.internetExplorer});
        EXPECT_EQ(start.path, c.start.path) << c.httpCommand;
        EXPECT_EQ(start.parameters, c.start.parameters) << c.httpCommand;
    }
}

}  // namespace
}  // namespace quorvel
