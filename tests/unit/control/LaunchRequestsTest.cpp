#include "control/core/LaunchRequests.h"
#include "control/core/BrowserLaunch.h"
#include "control/core/PrivateMessages.h"

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
    // The taskbar's handle goes to SetForegroundWindow.exe unsigned.
    struct Case {
        uint32_t action;
        uint32_t afterMs;  // since the previous request
        std::vector<std::string> calls;
        uint32_t taskbar = 0x80001234;
    } cases[] = {
        {LAUNCH_SHOW_DESKTOP, 0, {"C:\\Q\\ShowDesktop.scf|", "C:\\Q\\SetForegroundWindow.exe| 2147488308"}},
        {LAUNCH_SHOW_DESKTOP, 499, {}},  // the same request again
        {LAUNCH_BROWSER, 1, {"browser"}},
        {LAUNCH_BROWSER, 500, {"browser"}},
        {0, 1000, {}},
        {3, 1000, {}},
        {0xFFFFFFFF, 1000, {}},
        {LAUNCH_SHOW_DESKTOP, 1, {"C:\\Q\\ShowDesktop.scf|", "C:\\Q\\SetForegroundWindow.exe| 4294967292"}, 0xFFFFFFFC},
        {LAUNCH_SHOW_DESKTOP, 500, {"C:\\Q\\ShowDesktop.scf|", "C:\\Q\\SetForegroundWindow.exe| 0"}, 0},
    };
    FakeClock clock(1000);
    RecordingStarter starter;
    LaunchRequests launches(starter, clock, "C:\\Q\\");
    for (const Case& c : cases) {
        clock.now += c.afterMs;
        starter.calls.clear();
        starter.taskbar = c.taskbar;
        EXPECT_EQ(launches.OnRequest(c.action), !c.calls.empty()) << c.action;
        EXPECT_EQ(starter.calls, c.calls) << c.action;
    }
}

TEST(BrowserStart, TheRegisteredBrowserByItsFullPathWithANewWindow) {
    const std::string ie = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", edge = "C:\\Edge App\\msedge.exe";
    const struct {
        std::string httpCommand, internetExplorer, path, parameters;
    } cases[] = {
        {"\"" + edge + "\" --single-argument %1", ie, edge, "--new-window"},
        {"\"C:\\Firefox\\firefox.exe\" -osint -url \"%1\"", ie, "C:\\Firefox\\firefox.exe", "-new-window"},
        {edge + " -- %1", "", edge, "--new-window"},                // unquoted, with a blank
        {"\"C:\\IE\\iexplore.exe\" %1", "\"" + ie + "\"", ie, ""},  // Internet Explorer: as ever
        {"", ie, ie, ""},                                           // nothing registered
        {"msedge.exe --single-argument %1", ie, ie, ""},            // never a bare name
    };
    for (const auto& c : cases) {
        const BrowserStart start = ResolveBrowserStart({c.httpCommand, c.internetExplorer});
        EXPECT_EQ(start.path + "|" + start.parameters, c.path + "|" + c.parameters) << c.httpCommand;
    }
}

// What other programs post to Quorvel.exe's windows is checked first: the
// plain requests carry nothing; a drag-to-scroll step names another
// program's existing window and a point on a monitor.
TEST(PrivateMessages, EachHandlerChecksWhatItIsGiven) {
    const auto M = PrivateWindow::Main;
    constexpr uint32_t AT = (200u << 16) | 300u, LEFT = (10u << 16) | 0xFF9Cu, OFF = (5000u << 16) | 300u;
    const struct {
        PrivateMessage m;
        bool accepted;
    } cases[] = {
        {{M, INSTANCE_ACTIVATE_MESSAGE, 0, 0}, true},
        {{M, INSTANCE_ACTIVATE_MESSAGE, 1, 0}, false},
        {{M, EXIT_REQUEST_MESSAGE, 0, 0x1234}, false},
        {{M, LAUNCH_REQUEST_MESSAGE, LAUNCH_SHOW_DESKTOP, 0}, true},
        {{M, LAUNCH_REQUEST_MESSAGE, 99, 0}, false},
        {{M, LAUNCH_REQUEST_MESSAGE, LAUNCH_BROWSER, 0x401000}, false},
        {{M, DRAG_SCROLL_STEP_MESSAGE, AT, 0x100, true, false, 0, 0, 1024, 768}, true},
        {{M, DRAG_SCROLL_STEP_MESSAGE, LEFT, 0x100, true, false, -1280, 0, 2304, 1024}, true},
        {{M, DRAG_SCROLL_STEP_MESSAGE, OFF, 0x100, true, false, 0, 0, 1024, 768}, false},
        {{M, DRAG_SCROLL_STEP_MESSAGE, AT, 0x100, false, false, 0, 0, 1024, 768}, false},  // no such window
        {{M, DRAG_SCROLL_STEP_MESSAGE, AT, 0x100, true, true, 0, 0, 1024, 768}, false},    // Quorvel's own
        {{M, DRAG_SCROLL_END_MESSAGE, AT, 0x100, true, false}, true},
        {{M, 0xC0DE, 0, 0}, false},
        {{PrivateWindow::AutoClick, AUTO_CLICK_MESSAGE, 0, 0x100}, false},
        {{PrivateWindow::TaskList, TASK_LIST_MESSAGE, 7, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceptPrivateMessage(c.m), c.accepted) << std::hex << c.m.message << " " << c.m.wParam;
}

}  // namespace
}  // namespace quorvel
