#include <gtest/gtest.h>

#include <vector>

#include "control/core/UnreachableNotice.h"

namespace quorvel {
namespace {

TEST(UnreachableNotice, TellsOnceWhenTheCountMovesAfterTheStart) {
    struct Case {
        bool started;
        uint32_t baseline;
        std::vector<uint32_t> checks;
        std::vector<bool> told;
        std::vector<bool> quiet;  // a full-screen program in front at that check
    };
    const Case cases[] = {
        {true, 0, {0, 0, 1, 2, 5}, {false, false, true, false, false}},
        {true, 7, {7, 8, 9}, {false, true, false}},                       // an older record's count is no news
        {false, 0, {3, 4}, {false, false}},                               // hooks not started
        {true, 0, {1, 1, 1}, {false, false, true}, {true, true, false}},  // told once the full screen is over
    };
    for (const Case& c : cases) {
        UnreachableNotice notice;
        if (c.started) notice.Start(c.baseline);
        std::vector<bool> told;
        for (size_t i = 0; i < c.checks.size(); ++i) {
            told.push_back(notice.OnCheck(c.checks[i], i < c.quiet.size() && c.quiet[i]));
        }
        EXPECT_EQ(told, c.told);
    }
}

}  // namespace
}  // namespace quorvel
