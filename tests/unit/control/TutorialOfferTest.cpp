#include "control/core/TutorialOffer.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(TutorialOffer, OncePerUserAfterEachInstallation) {
    const std::optional<std::string> none;
    const struct {
        const char* what;
        InstallMarks marks;
        std::optional<std::string> due;
    } cases[] = {
        {"first start of this user", {true, "2026-12-08 10:00", none}, "2026-12-08 10:00"},
        {"offered already for this installation", {true, "2026-12-08 10:00", "2026-12-08 10:00"}, none},
        {"installed again since", {true, "2026-12-09 08:30", "2026-12-08 10:00"}, "2026-12-09 08:30"},
        {"not installed for a first start", {false, "2026-12-08 10:00", none}, none},
        {"older installer, never offered", {true, none, none}, ""},
        {"older installer, offered", {true, none, ""}, none},
    };
    for (const auto& c : cases) EXPECT_EQ(TutorialOfferDue(c.marks), c.due) << c.what;
}

}  // namespace
}  // namespace quorvel
