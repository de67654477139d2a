#include "FormLayout.h"

#include <stdexcept>

namespace quorvel::tutorial {

namespace {

constexpr int OPERATION_LABEL_LEFT = 144;
constexpr int OPERATION_LABEL_TOP = 120;
constexpr int OPERATION_LABEL_WIDTH = 2304;
constexpr int OPERATION_LABEL_HEIGHT = 480;

struct Design {
    Control control;
    TwipsRect rect;
    const char* caption;
};

const Design kDesign[CONTROL_COUNT] = {
    {Control::LabelHead, {3264, 2760, 5940, 900}, "Click on an operation to see how to do it with Quorvel"},
    {Control::PictureArrowLeft, {2544, 2820, 624, 432}, ""},
    {Control::LabelStep1, {2544, 336, 3840, 500}, "Step 1. Press mouse middle button"},
    {Control::LabelStep2, {2544, 948, 3840, 500}, "Step 2. Move mouse upward "},
    {Control::LabelStep3, {2544, 1548, 3840, 500}, "Step 3. Release mouse middle button"},
    {Control::LabelSeeAnimation, {4272, 2244, 1392, 300}, "See animation"},
    {Control::PictureArrowRight, {5700, 2184, 720, 420}, ""},
    {Control::Picture1, {6504, 216, 2820, 2340}, ""},
    {Control::PictureMouse, {930, 660, 660, 960}, ""},
    {Control::Frame1, {2544, 2832, 6732, 3516}, "Description "},
    {Control::LabelDescriptionText, {192, 300, 6348, 2724}, "To be filled"},
    {Control::LabelCursorMovement, {192, 3120, 3000, 276}, "Cursor minimum movement :"},
    {Control::LabelMoveDescription, {3264, 3120, 2160, 276}, "( 1/3 inch, or 0.8 cm )"},
    {Control::LineHorizontal, {5496, 3108, 480, 240}, ""},
    {Control::ShapeCircle, {3264, 3024, 420, 420}, ""},
    {Control::CommandShowAgain, {2544, 2220, 1332, 408}, "&Show Again"},
};

const Design& DesignOf(Control control) {
    const int i = static_cast<int>(control);
    if (i < 0 || i >= CONTROL_COUNT) throw std::out_of_range("control");
    return kDesign[i];
}

}  // namespace

TwipsRect OperationLabelRect(int index) {
    if (index < 0 || index >= OPERATION_COUNT) throw std::out_of_range("operation index");
    return {OPERATION_LABEL_LEFT, OPERATION_LABEL_TOP + index * OPERATION_LABEL_SPACING_TWIPS, OPERATION_LABEL_WIDTH,
            OPERATION_LABEL_HEIGHT};
}

TwipsRect DesignRect(Control control) { return DesignOf(control).rect; }

const char* DesignCaption(Control control) { return DesignOf(control).caption; }

bool VisibleAtStart(Control control) {
    return control == Control::LabelHead || control == Control::PictureArrowLeft ||
           (IsInsideFrame1(control) && control != Control::ShapeCircle);
}

bool IsInsideFrame1(Control control) {
    switch (control) {
        case Control::LabelDescriptionText:
        case Control::LabelCursorMovement:
        case Control::LabelMoveDescription:
        case Control::LineHorizontal:
        case Control::ShapeCircle: return true;
        default: return false;
    }
}

}  // namespace quorvel::tutorial
