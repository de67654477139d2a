#include "Operations.h"

#include <stdexcept>

namespace quorvel::tutorial {

namespace {

const Operation kOperations[OPERATION_COUNT] = {
    {"IE Go Back", ShortcutKind::Drag, ShortcutButton::Right, DragDirection::Left},
    {"IE Go Forward", ShortcutKind::Drag, ShortcutButton::Right, DragDirection::Right},
    {"IE Stop", ShortcutKind::Drag, ShortcutButton::Right, DragDirection::Down},
    {"IE Go To URL", ShortcutKind::Drag, ShortcutButton::Right, DragDirection::Up},
    {"Launch New IE", ShortcutKind::Click, ShortcutButton::None, DragDirection::None},
    {"Minimize Application", ShortcutKind::Drag, ShortcutButton::Middle, DragDirection::Left},
    {"Maximize Application", ShortcutKind::Drag, ShortcutButton::Middle, DragDirection::Right},
    {"Restore Application", ShortcutKind::Drag, ShortcutButton::Middle, DragDirection::Right},
    {"Close Application", ShortcutKind::Click, ShortcutButton::Right, DragDirection::None},
    {"Show Desktop", ShortcutKind::Click, ShortcutButton::Middle, DragDirection::None},
    {"Switch to Last Active Application", ShortcutKind::Click, ShortcutButton::LeftRight, DragDirection::None},
};

const char* ButtonWord(ShortcutButton button) { return button == ShortcutButton::Middle ? "middle" : "right"; }

const char* MoveText(DragDirection direction) {
    switch (direction) {
        case DragDirection::Left: return "Move mouse toward left";
        case DragDirection::Right: return "Move mouse toward right";
        case DragDirection::Down: return "Move mouse downward";
        case DragDirection::Up: return "Move mouse upward";
        case DragDirection::None: break;
    }
    return "";
}

}  // namespace

const Operation& GetOperation(int index) {
    if (index < 0 || index >= OPERATION_COUNT) throw std::out_of_range("operation index");
    return kOperations[index];
}

bool IsClickShortcut(int index) {
    return index == kLaunchNewIE || index == kCloseApplication || index == kShowDesktop ||
           index == kSwitchToLastApplication;
}

std::string StepCaption(int n, int index) {
    const Operation& op = GetOperation(index);
    std::string text;
    switch (n) {
        case 1: text = std::string("Press mouse ") + ButtonWord(op.button) + " button"; break;
        case 2: text = MoveText(op.direction); break;
        case 3: text = std::string("Release mouse ") + ButtonWord(op.button) + " button"; break;
        default: throw std::out_of_range("step number");
    }
    return "Step " + std::to_string(n) + ". " + text;
}

std::string ClickInstruction(int index) {
    switch (index) {
        case kLaunchNewIE: return "Draw a circle using mouse. You should finish it within 1.5 seconds.";
        case kCloseApplication: return "Double click mouse right button";
        case kShowDesktop: return "Double click mouse middle button";
        case kSwitchToLastApplication: return "Press mouse left and right button at the same time, then release them.";
        default: throw std::out_of_range("not a click shortcut");
    }
}

}  // namespace quorvel::tutorial
