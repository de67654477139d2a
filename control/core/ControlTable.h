// The control tables forms are built from: each control's kind, name,
// caption and place in twips, in tab order.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

enum class ControlKind { Button, CheckBox, Frame, Label, ListBox, TextBox, HotKey };

// Enter presses the default button, Esc the cancel button.
enum class ControlRole { None, Default, Cancel };

constexpr int NO_CONTAINER = -1;

struct ControlRow {
    ControlKind kind;
    const char* name;
    const char* caption;
    int left;  // twips, relative to the container (the form or a frame)
    int top;
    int width;
    int height;
    int container;  // index of the frame that holds the control, or NoContainer
    ControlRole role;
};

// Colours: either an RGB value or a system colour index.
struct FormColour {
    bool isSystemColour;
    uint32_t value;  // 0x00BBGGRR, or the COLOR_* index
};

struct FormFont {
    const char* face;  // null: the system's message font, at the display's dpi
    int points;
};

constexpr FormFont MESSAGE_FONT{nullptr, 0};

// System colour indexes (COLOR_*) the forms use.
constexpr uint32_t SYSTEM_ACTIVE_CAPTION = 2;
constexpr uint32_t SYSTEM_WINDOW = 5;
constexpr uint32_t SYSTEM_WINDOW_TEXT = 8;
constexpr uint32_t SYSTEM_CAPTION_TEXT = 9;
constexpr uint32_t SYSTEM_BUTTON_FACE = 15;
constexpr uint32_t SYSTEM_BUTTON_TEXT = 18;
constexpr uint32_t SYSTEM_INFO_TEXT = 23;
constexpr uint32_t SYSTEM_INFO_BACKGROUND = 24;

// What a form paints with: its table's background, or in high contrast the
// system's window colour in place of a colour of its own (that would ignore
// the user's choice); the text in the system colour that goes with the
// background.
struct FormPaint {
    FormColour background;
    uint32_t text;  // a system colour index
};
FormPaint PaintOf(const FormColour& background, bool highContrast);

enum class FormFrame {
    FixedSingle,  // caption, system menu, fixed size
    FixedDialog,  // caption, system menu, dialog frame
    ToolWindow,   // small caption, stays out of the task bar
    ThinLine,     // a one-pixel line, no caption, stays out of the task bar
};

struct FormTable {
    const char* caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
    int outerHeight;   // twips; when not 0 it sets the height instead of clientHeight
    FormFrame frame;
    FormColour background;
    FormFont font;
    std::vector<ControlRow> controls;  // in tab order
};

}  // namespace quorvel
