#include "Descriptions.h"

namespace quorvel::tutorial {

const char* const PARAGRAPH_BREAK = "\r\r";

namespace {

// Shared by the four browser drags, from "IE window." to the end.
std::string BrowserDragTail() {
    return std::string("IE window. This action is just like ") +
           "selecting a piece of text using mouse, except pressing right button " +
           "instead of left button. How far to move? To be simple, just a little. " +
           "To be exact, you should make cursor move a miminum of one third of inch. " + PARAGRAPH_BREAK +
           "If you are a left-handed user and have swapped mouse left and right button, " +
           "you should press left button when moving mouse.";
}

std::string BrowserDrag(const char* action, const char* direction) {
    return std::string(action) + direction + "while pressing right button, as long as cursor is on " +
           BrowserDragTail();
}

std::string LaunchNewIE() {
    return std::string("You can launch a new instance of IE by moving cursor in a ") +
           "circular way. You can do it clockwise or counter-clockwise. Just make sure that the circle " +
           "formed by cursor trace is not too small. Miminum diameter is about two inches. " +
           "When moving cursor, you should also take care to prevent it from touching screen edge. " +
           "When doing this action, you don't need press any mouse button.";
}

// Shared by the three middle-button drags up to their last sentence.
std::string ApplicationDrag(const char* action, const char* direction, const char* target) {
    return std::string(action) + direction +
           "while pressing middle button (or scroll button), as long as cursor is on " + target +
           " This action is just like " + "selecting a piece of text using mouse, except pressing middle button " +
           "instead of left button. How far to move? To be simple, just a little. " +
           "To be exact, you should make cursor move a miminum of one third of inch.";
}

std::string CloseApplication() {
    return std::string("You can close an application by double clicking mouse right button as long as ") +
           "cursor is on that application. " + PARAGRAPH_BREAK + "If you are a left-handed user and " +
           "have swapped mouse left and right button, just double click mouse left button. ";
}

std::string ShowDesktop() {
    return std::string(
               "This function achieves the same result as if you click the Show Desktop button on system taskbar.") +
           PARAGRAPH_BREAK +
           "You can minimize all application and show desktop by clicking mouse middle button (or scroll button) "
           "consecutively two times. " +
           "Since most middle button (or scroll button) is not so easy to click as left or right button, " +
           "the maximum time interval between two clicks is about 1.5 seconds. So you don't have to be " +
           "so hurry as left or right double click." + PARAGRAPH_BREAK +
           "When double clicking middle button, cursor can be anywhere on the screen.";
}

std::string SwitchToLastApplication() {
    return std::string("This function achieves the same result as if you press Alt + tab key.") +
           " It will enable you switch to last active application very easily by using mouse." + PARAGRAPH_BREAK +
           "First make sure cursor is on the active application you are now working with. Then press mouse left and "
           "right button at the same time. You can press either button first, just make sure to still hold the first "
           "pressed button while pressing the other button.  At last, release both mouse buttons." +
           PARAGRAPH_BREAK +
           "This mouse shortcut has no time constrain on how long you should press the mouse button." +
           PARAGRAPH_BREAK + "(This shortcut is not supported on Windows98)";
}

}  // namespace

DescriptionTable FillDescriptions() {
    DescriptionTable d;
    d[kIEGoBack] = BrowserDrag("You can make IE go to previous page by moving mouse toward ", "left horizontally ");
    d[kIEGoForward] = BrowserDrag("You can make IE go forward by moving mouse toward ", "right horizontally ");
    d[kIEStop] = BrowserDrag("You can make IE stop getting current page by moving mouse downward ", "vertically ");
    d[kIEGoToURL] =
        BrowserDrag("You can open the go to URL dialog box directly by moving mouse upward ", "vertically ");
    d[kLaunchNewIE] = LaunchNewIE();
    d[kMinimizeApplication] = ApplicationDrag("You can minimize an application by moving mouse toward ",
                                              "left horizontally ", "the application you want to minimize.") +
                              " ";
    d[kMaximizeApplication] = ApplicationDrag("You can maximize an restored application by moving mouse toward ",
                                              "right horizontally ", "the application you want to maximize.") +
                              " This shortcut is the same as restoring application.";
    d[kRestoreApplication] = ApplicationDrag("You can restore an maximized application by moving mouse toward ",
                                             "right horizontally ", "the application you want to restore.") +
                             " This shortcut is the same as maximizing application.";
    d[kCloseApplication] = CloseApplication();
    d[kShowDesktop] = ShowDesktop();
    d[kSwitchToLastApplication] = SwitchToLastApplication();
    return d;
}

}  // namespace quorvel::tutorial
