#include "tutorial/TextWrap.h"

#include <gtest/gtest.h>

namespace quorvel::tutorial {
namespace {

// One unit per character.
int Chars(const std::string& s) { return static_cast<int>(s.size()); }

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksBetweenWordsKeepingEveryLetter) {
    EXPECT_EQ(WrapText("press the mouse button", 9, Chars), (Lines{"press the", "mouse", "button"}));
    EXPECT_EQ(WrapText("press either button", 12, Chars), (Lines{"press either", "button"}));
    EXPECT_EQ(WrapText("fits on one line", 16, Chars), (Lines{"fits on one line"}));
}

TEST(WrapText, CarriageReturnsAndLineFeedsEndLines) {
    // Two carriage returns leave an empty line between paragraphs.
    EXPECT_EQ(WrapText("one.\r\rtwo.", 20, Chars), (Lines{"one.", "", "two."}));
    EXPECT_EQ(WrapText("one.\r\n\r\ntwo.\nthree", 20, Chars), (Lines{"one.", "", "two.", "three"}));
}

TEST(WrapText, SpacesInsideALineStayAndSpacesAtABreakGo) {
    EXPECT_EQ(WrapText("button.  At last", 16, Chars), (Lines{"button.  At last"}));
    EXPECT_EQ(WrapText("button.  At last", 10, Chars), (Lines{"button.", "At last"}));
    EXPECT_EQ(WrapText("end ", 10, Chars), (Lines{"end"}));
}

TEST(WrapText, ALongWordGetsItsOwnLine) {
    EXPECT_EQ(WrapText("a verylongword b", 5, Chars), (Lines{"a", "verylongword", "b"}));
    EXPECT_EQ(WrapText("", 5, Chars), (Lines{""}));
}

}  // namespace
}  // namespace quorvel::tutorial
