#include "tutorial/Descriptions.h"

#include <gtest/gtest.h>

namespace quorvel::tutorial {
namespace {

// The paragraphs as the user reads them, piece by piece.
const char* const kExpected[OPERATION_COUNT] = {
    // 0
    "You can make IE go to previous page by moving mouse toward "
    "left horizontally while pressing right button, as long as cursor is on "
    "IE window. This action is just like "
    "selecting a piece of text using mouse, except pressing right button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. "
    "\r\r"
    "If you are a left-handed user and have swapped mouse left and right button, "
    "you should press left button when moving mouse.",
    // 1
    "You can make IE go forward by moving mouse toward "
    "right horizontally while pressing right button, as long as cursor is on "
    "IE window. This action is just like "
    "selecting a piece of text using mouse, except pressing right button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. "
    "\r\r"
    "If you are a left-handed user and have swapped mouse left and right button, "
    "you should press left button when moving mouse.",
    // 2
    "You can make IE stop getting current page by moving mouse downward "
    "vertically while pressing right button, as long as cursor is on "
    "IE window. This action is just like "
    "selecting a piece of text using mouse, except pressing right button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. "
    "\r\r"
    "If you are a left-handed user and have swapped mouse left and right button, "
    "you should press left button when moving mouse.",
    // 3
    "You can open the go to URL dialog box directly by moving mouse upward "
    "vertically while pressing right button, as long as cursor is on "
    "IE window. This action is just like "
    "selecting a piece of text using mouse, except pressing right button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. "
    "\r\r"
    "If you are a left-handed user and have swapped mouse left and right button, "
    "you should press left button when moving mouse.",
    // 4
    "You can launch a new instance of IE by moving cursor in a "
    "circular way. You can do it clockwise or counter-clockwise. Just make sure that the circle "
    "formed by cursor trace is not too small. Miminum diameter is about two inches. "
    "When moving cursor, you should also take care to prevent it from touching screen edge. "
    "When doing this action, you don't need press any mouse button.",
    // 5
    "You can minimize an application by moving mouse toward "
    "left horizontally while pressing middle button (or scroll button), as long as cursor is on "
    "the application you want to minimize. This action is just like "
    "selecting a piece of text using mouse, except pressing middle button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. ",
    // 6
    "You can maximize an restored application by moving mouse toward "
    "right horizontally while pressing middle button (or scroll button), as long as cursor is on "
    "the application you want to maximize. This action is just like "
    "selecting a piece of text using mouse, except pressing middle button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. This shortcut "
    "is the same as restoring application.",
    // 7
    "You can restore an maximized application by moving mouse toward "
    "right horizontally while pressing middle button (or scroll button), as long as cursor is on "
    "the application you want to restore. This action is just like "
    "selecting a piece of text using mouse, except pressing middle button "
    "instead of left button. How far to move? To be simple, just a little. "
    "To be exact, you should make cursor move a miminum of one third of inch. "
    "This shortcut is the same as maximizing application.",
    // 8
    "You can close an application by double clicking mouse right button as long as "
    "cursor is on that application. "
    "\r\r"
    "If you are a left-handed user and "
    "have swapped mouse left and right button, just double click mouse left button. ",
    // 9
    "This function achieves the same result as if you click the Show Desktop button on system taskbar."
    "\r\r"
    "You can minimize all application and show desktop by clicking mouse middle button (or scroll button) "
    "consecutively two times. "
    "Since most middle button (or scroll button) is not so easy to click as left or right button, "
    "the maximum time interval between two clicks is about 1.5 seconds. So you don't have to be "
    "so hurry as left or right double click."
    "\r\r"
    "When double clicking middle button, cursor can be anywhere on the screen.",
    // 10
    "This function achieves the same result as if you press Alt + tab key."
    " It will enable you switch to last active application very easily by using mouse."
    "\r\r"
    "First make sure cursor is on the active application you are now working with. Then press mouse left and right "
    "button at the same time. You can press either button first, just make sure to still hold the first pressed button "
    "while pressing the other button.  At last, release both mouse buttons."
    "\r\r"
    "This mouse shortcut has no time constrain on how long you should press the mouse button."
    "\r\r"
    "(This shortcut is not supported on Windows98)",
};

TEST(Descriptions, EveryParagraphIsExact) {
    const DescriptionTable d = FillDescriptions();
    for (int i = 0; i < OPERATION_COUNT; ++i) EXPECT_EQ(d[i], kExpected[i]) << "operation " << i;
}

TEST(Descriptions, ParagraphBreaksAreTwoCarriageReturnsAndNoLineFeeds) {
    const DescriptionTable d = FillDescriptions();
    auto count = [](const std::string& s, const std::string& what) {
        int n = 0;
        for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
        return n;
    };
    const int breaks[OPERATION_COUNT] = {1, 1, 1, 1, 0, 0, 0, 0, 1, 2, 3};
    for (int i = 0; i < OPERATION_COUNT; ++i) {
        EXPECT_EQ(count(d[i], "\r\r"), breaks[i]) << "operation " << i;
        EXPECT_EQ(count(d[i], "\r"), 2 * breaks[i]) << "operation " << i;
        EXPECT_EQ(d[i].find('\n'), std::string::npos) << "operation " << i;
    }
}

}  // namespace
}  // namespace quorvel::tutorial
