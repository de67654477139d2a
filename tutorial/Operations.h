// The eleven mouse shortcuts the tutorial teaches and the step lines that
// spell out how each one is made.
#pragma once

#include <string>

namespace quorvel::tutorial {

constexpr int OPERATION_COUNT = 11;

enum class ShortcutKind { Drag, Click };
enum class ShortcutButton { None, Right, Middle, LeftRight };
enum class DragDirection { None, Left, Right, Down, Up };

struct Operation {
    const char* caption;
    ShortcutKind kind;
    ShortcutButton button;
    DragDirection direction;
};

// Index of each operation in the column of operation labels.
enum OperationIndex {
    kIEGoBack = 0,
    kIEGoForward = 1,
    kIEStop = 2,
    kIEGoToURL = 3,
    kLaunchNewIE = 4,
    kMinimizeApplication = 5,
    kMaximizeApplication = 6,
    kRestoreApplication = 7,
    kCloseApplication = 8,
    kShowDesktop = 9,
    kSwitchToLastApplication = 10,
};

// The operation at index 0..10.
const Operation& GetOperation(int index);

// TRUE for the shortcuts made without dragging: the circle, the two double
// clicks and the left+right chord.
bool IsClickShortcut(int index);

// "Step n. ..." line n (1..3) of the drag shortcut `index` (0-3, 5-7).
std::string StepCaption(int n, int index);

// The one-line instruction of a click shortcut (4, 8, 9, 10).
std::string ClickInstruction(int index);

}  // namespace quorvel::tutorial
