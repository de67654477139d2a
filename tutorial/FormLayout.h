// The design of the tutorial window: every control with its place in twips
// (1440 per logical inch) inside its container, the form's colours, and the
// twips-to-pixels conversion the window uses with the display's real DPI.
#pragma once

#include <cstdint>

#include "Operations.h"
#include "common/Twips.h"

namespace quorvel::tutorial {

// The controls of MainForm other than the operation labels.
enum class Control {
    LabelHead,
    PictureArrowLeft,
    LabelStep1,
    LabelStep2,
    LabelStep3,
    LabelSeeAnimation,
    PictureArrowRight,
    Picture1,
    PictureMouse,
    Frame1,
    LabelDescriptionText,
    LabelCursorMovement,
    LabelMoveDescription,
    LineHorizontal,
    ShapeCircle,
    CommandShowAgain,
};
constexpr int CONTROL_COUNT = static_cast<int>(Control::CommandShowAgain) + 1;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

constexpr int CLIENT_WIDTH_TWIPS = 9444;
constexpr int CLIENT_HEIGHT_TWIPS = 6384;

constexpr Rgb kPicture1BackColor{0, 0, 128};
constexpr Rgb kHoverColor{84, 175, 98};
constexpr Rgb kNormalColor{0, 128, 128};
constexpr Rgb SELECTED_COLOR = kPicture1BackColor;

// Operation labels: a column, each one this far below the previous one.
constexpr int OPERATION_LABEL_SPACING_TWIPS = 576;
TwipsRect OperationLabelRect(int index);

// Design-time place of a control inside its container (Picture1 for
// PictureMouse, Frame1 for the description box's contents, else the form).
TwipsRect DesignRect(Control control);
bool IsInsideFrame1(Control control);
// Shown when the window opens: the prompt, its arrow and the description
// box's contents except the circle (the box itself is hidden).
bool VisibleAtStart(Control control);

// Design-time text of a control ("" for pictures and shapes).
const char* DesignCaption(Control control);

// Child window identifiers, also used by the end-to-end probe.
constexpr int CONTROL_ID_BASE = 1000;
constexpr int OPERATION_LABEL_ID_BASE = 2000;
constexpr int ControlId(Control control) { return CONTROL_ID_BASE + static_cast<int>(control); }
constexpr int OperationLabelId(int index) { return OPERATION_LABEL_ID_BASE + index; }

}  // namespace quorvel::tutorial
