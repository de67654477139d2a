// What Quorvel.exe hands the hooks of the desktop: the monitors, primary
// first, and Windows' word on full-screen programs.
#include "control/core/DesktopWatch.h"

#include <gtest/gtest.h>

#include "RecordingLibrary.h"
#include "common/SharedState.h"

namespace quorvel {
namespace {

TEST(DesktopWatch, MonitorsGoOverPrimaryFirstWithoutEmptyOnes) {
    struct Case {
        const char* what;
        std::vector<MonitorArea> monitors;
        std::vector<int32_t> rects;
    } cases[] = {
        {"one", {{0, 0, 1920, 1080, true}}, {0, 0, 1920, 1080}},
        {"the primary after one on its left",
         {{-1280, 0, 0, 1024, false}, {0, 0, 1920, 1080, true}},
         {0, 0, 1920, 1080, -1280, 0, 0, 1024}},
        {"an empty one", {{0, 0, 1920, 1080, true}, {1920, 0, 1920, 1080, false}}, {0, 0, 1920, 1080}},
        {"none", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(PackMonitorLayout(c.monitors), c.rects) << c.what;
    std::vector<MonitorArea> many(MAX_MONITORS + 3, MonitorArea{0, 0, 10, 10, false});
    EXPECT_EQ(PackMonitorLayout(many).size(), 4u * MAX_MONITORS) << "as many as the record holds";
}

struct ScriptedState : NotificationStateSource {
    bool available = true;
    uint32_t state = QUNS_ACCEPTS_NOTIFICATIONS;
    int questions = 0;
    bool Query(uint32_t* out) override {
        ++questions;
        *out = state;
        return available;
    }
};

TEST(DesktopWatch, WindowsWordOnFullScreenIsMirroredWhenItChanges) {
    struct Step {
        uint32_t at;     // ms
        uint32_t state;  // what Windows says from then on
        bool changed;
        const char* handedOver;  // the call made into the library, if any
    };
    const Step steps[] = {
        {0, QUNS_ACCEPTS_NOTIFICATIONS, false, "SetFullScreenNow 0"},  // the first answer always goes over
        {100, QUNS_BUSY, false, nullptr},                              // not asked again yet
        {500, QUNS_BUSY, true, "SetFullScreenNow 1"},
        {1000, QUNS_RUNNING_D3D_FULL_SCREEN, false, nullptr},
        {1500, QUNS_PRESENTATION_MODE, false, nullptr},
        {2000, QUNS_APP, true, "SetFullScreenNow 0"},  // a Store app in front is not full screen
        {2500, QUNS_NOT_PRESENT, false, nullptr},
        {3000, QUNS_QUIET_TIME, false, nullptr},
    };
    Log log;
    FakeFileSystem fs;
    RecordingLibrary library(log, fs);
    ScriptedState windows;
    FullScreenWatch watch(library, windows);
    const uint32_t start = 0xFFFFFF00u;  // across the wrap of the tick count
    for (const Step& s : steps) {
        log.clear();
        windows.state = s.state;
        EXPECT_EQ(watch.OnTick(start + s.at), s.changed) << s.at;
        EXPECT_EQ(log, s.handedOver ? Log{s.handedOver} : Log{}) << s.at;
        EXPECT_EQ(watch.FullScreen(), IsFullScreenState(s.state) && s.at >= 500) << s.at;
    }
    EXPECT_EQ(windows.questions, 7);
    // Where Windows cannot be asked Quorvel is never quiet for it.
    windows.available = false;
    windows.state = QUNS_BUSY;
    log.clear();
    watch.OnTick(start + 5000);
    EXPECT_FALSE(watch.FullScreen());
}

}  // namespace
}  // namespace quorvel
