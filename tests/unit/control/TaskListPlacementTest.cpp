// Size and place of the task switcher: list limits, scroll bar allowances,
// borders, caption centred on the pointer, kept on the screen; by the
// keyboard (x = -1) centred on the area.
#include <gtest/gtest.h>

#include "control/taskswitcher/TaskListPlacement.h"

namespace quorvel {
namespace {

TEST(TaskListPlacementTest, SizesAndPlaces) {
    TaskListMetrics screen;  // 1024 x 768 with a 30-pixel taskbar
    screen.cxFull = 1024;
    screen.cyFull = 738;
    screen.captionH = 18;
    screen.cyHScroll = 16;
    screen.cxVScroll = 17;
    TaskListMetrics narrowest = screen;  // captioned windows are at least 250 wide
    narrowest.minTrackW = 250;
    TaskListMetrics odd = screen;  // halves round to even
    odd.cxFull = 1023;
    odd.cyFull = 737;
    odd.captionH = 19;
    TaskListMetrics second = screen;  // a monitor right of the primary one
    second.areaLeft = 1024;
    second.areaTop = -100;
    second.cxFull = 1280;
    second.cyFull = 1000;
    const TaskListContent three{17, 3, 200};  // list 204 x 55, form 210 x 79
    struct Case {
        const char* what;
        TaskListMetrics metrics;
        TaskListContent content;
        int x, y;
        TaskListPlacement want;  // list w, h; form left, top, w, h
    } cases[] = {
        {"top-left corner", screen, three, 0, 0, {204, 55, 0, 0, 210, 79}},
        {"top-right corner", screen, three, 1023, 0, {204, 55, 814, 0, 210, 79}},
        {"bottom-left corner", screen, three, 0, 767, {204, 55, 0, 659, 210, 79}},
        {"bottom-right corner ends at the full-screen size", screen, three, 1023, 767, {204, 55, 814, 659, 210, 79}},
        {"caption centred on the pointer", screen, three, 500, 300, {204, 55, 395, 291, 210, 79}},
        {"halves to even", odd, {17, 3, 201}, 500, 300, {205, 55, 394, 290, 211, 80}},
        {"over-tall: half the full-screen height, vertical bar",
         screen,
         {17, 30, 200},
         500,
         300,
         {221, 373, 386, 291, 227, 397}},
        {"over-tall and over-wide: both bars", screen, {17, 30, 600}, 500, 300, {533, 389, 230, 291, 539, 413}},
        {"half of an odd full-screen height", odd, {17, 30, 200}, 10, 10, {221, 372, 0, 0, 227, 397}},
        {"a narrow list is widened to the narrowest window", narrowest, three, 1023, 300, {244, 55, 774, 291, 250, 79}},
        {"on another monitor: kept in its work area", second, three, 2303, 899, {204, 55, 2094, 821, 210, 79}},
        {"on another monitor: centred", second, three, 1500, 300, {204, 55, 1395, 291, 210, 79}},
        {"by the keyboard: centred, halves to even", screen, three, -1, 0, {204, 55, 407, 330, 210, 79}},
        {"by the keyboard on another monitor", second, three, -1, 0, {204, 55, 1559, 360, 210, 79}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TaskListPlacement p =
            c.x < 0 ? CentreTaskList(c.metrics, c.content) : PlaceTaskList(c.metrics, c.content, c.x, c.y);
        EXPECT_EQ(p.listWidth, c.want.listWidth);
        EXPECT_EQ(p.listHeight, c.want.listHeight);
        EXPECT_EQ(p.left, c.want.left);
        EXPECT_EQ(p.top, c.want.top);
        EXPECT_EQ(p.width, c.want.width);
        EXPECT_EQ(p.height, c.want.height);
    }
}

}  // namespace
}  // namespace quorvel
