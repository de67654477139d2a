// Hover selection of the task list across pointer moves and timer ends.
#include <gtest/gtest.h>

#include "control/taskswitcher/TaskListHover.h"

namespace quorvel {
namespace {

TEST(TaskListHoverTest, SelectsOnChangeAndAgainAfterLeaving) {
    const std::vector<RowSpan> rows{{0, 17}, {17, 34}, {34, 51}};
    constexpr int In = -100, Out = -200;  // timer ends with the pointer inside / outside
    struct Case {
        const char* what;
        std::vector<int> events;   // distances from the list's top, or In / Out
        std::vector<int> selects;  // what each move selects (-1: nothing)
    } cases[] = {
        {"a new row selects, the same row again does not", {20, 30, 40}, {1, -1, 2}},
        {"on a row's edge nothing", {17, 0}, {-1, -1}},
        {"left when the timer ended: the same row selects again", {20, Out, 20}, {1, 1}},
        {"inside when the timer ended: the same row stays as it is", {20, In, 20}, {1, -1}},
        {"below the last row nothing", {60}, {-1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaskListHover hover;
        std::vector<int> selects;
        for (int e : c.events) {
            if (e == In || e == Out)
                hover.OnTimer(e == In);
            else
                selects.push_back(hover.OnMouseMove(e, rows));
        }
        EXPECT_EQ(selects, c.selects);
    }
}

}  // namespace
}  // namespace quorvel
