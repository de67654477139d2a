#include "FormTables.h"

#include "AutoClick.h"

namespace quorvel {

namespace {

constexpr FormColour ButtonFace{true, SYSTEM_BUTTON_FACE};
constexpr FormColour ActiveCaption{true, SYSTEM_ACTIVE_CAPTION};
constexpr FormColour InfoBackground{true, SYSTEM_INFO_BACKGROUND};
constexpr FormColour ReminderGreen{false, 0x00C000};  // RGB(0, 192, 0)
constexpr FormFont DialogFont = MESSAGE_FONT;
constexpr FormFont ReminderFont{"Arial", 9};
constexpr FormFont AnimationFont{"Arial", 9};

constexpr int Frame1 = SettingFrame1;

ControlRow Check(const char* name, const char* caption, int left, int top, int width, int container = NO_CONTAINER) {
    return {ControlKind::CheckBox, name, caption, left, top, width, 324, container, ControlRole::None};
}

}  // namespace

FormPaint PaintOf(const FormColour& background, bool highContrast) {
    if (!background.isSystemColour) {
        if (highContrast) return {{true, SYSTEM_WINDOW}, SYSTEM_WINDOW_TEXT};
        return {background, SYSTEM_BUTTON_TEXT};
    }
    switch (background.value) {
        case SYSTEM_INFO_BACKGROUND: return {background, SYSTEM_INFO_TEXT};
        case SYSTEM_WINDOW: return {background, SYSTEM_WINDOW_TEXT};
        case SYSTEM_ACTIVE_CAPTION: return {background, SYSTEM_CAPTION_TEXT};
        default: return {background, SYSTEM_BUTTON_TEXT};
    }
}

const FormTable& MainFormTable() {
    static const FormTable table{
        "Quorvel",
        5664,
        0,
        MAIN_FORM_SHOWN_HEIGHT_TWIPS,
        FormFrame::FixedSingle,
        ButtonFace,
        DialogFont,
        {
            {ControlKind::Button, "ExitCommand", "&Stop", 360, 240, 972, 372, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CancelCommand", "&Continue", 1728, 240, 900, 372, NO_CONTAINER, ControlRole::Cancel},
            {ControlKind::Button, "Command1", "Se&tting", 3000, 240, 948, 372, NO_CONTAINER, ControlRole::Default},
            {ControlKind::Button, "CommandHelp", "&Help", 4392, 240, 900, 372, NO_CONTAINER, ControlRole::None},
        }};
    return table;
}

const FormTable& SettingFormTable() {
    static const FormTable table{
        "Check to enable the features you want",
        4848,
        5460,
        0,
        FormFrame::FixedDialog,
        ButtonFace,
        DialogFont,
        {
            Check("CheckSmartMove", "&Smart Move", 288, 96, 1956),
            Check("CheckCursorGoAway", "Cursor, &Go Away", 288, 384, 2676),
            Check("CheckRestReminder", "&Rest Reminder", 288, 672, 2676),
            Check("CheckJustWheelIt", "&Just Wheel It / Easy Switching", 288, 960, 3012),
            Check("CheckAppClose", "C&lose", 120, 648, 2028, Frame1),
            Check("CheckAppMaximize", "Ma&ximize/Restore", 120, 942, 2028, Frame1),
            Check("CheckAppShowDesktop", "Show &Desktop", 120, 1236, 2028, Frame1),
            Check("CheckAppMinimize", "&Minimize", 120, 1530, 2028, Frame1),
            Check("CheckAppSwitchToLast", "S&witch to Last Application", 120, 1824, 2268, Frame1),
            Check("CheckIEGoBack", "Go &Back", 2520, 648, 1716, Frame1),
            Check("CheckIEGoForward", "Go &Forward", 2520, 960, 1692, Frame1),
            Check("CheckIEStop", "Sto&p\r\n", 2520, 1236, 1692, Frame1),
            Check("CheckIEOpenURL", "Open &URL Dialog Box", 2520, 1536, 1932, Frame1),
            Check("CheckIELaunch", "Lau&nch a new IE", 2520, 1824, 1692, Frame1),
            Check("CheckAutoClickHotkey", "&Auto click hotkey", 288, 3768, 2004),
            {ControlKind::HotKey, "HotKeyAutoClick", "", 2352, 3780, 2340, 300, NO_CONTAINER, ControlRole::None},
            Check("CheckTaskSwitcherHotkey", "&Task switcher hotkey", 288, 4128, 2004),
            {ControlKind::HotKey, "HotKeyTaskSwitcher", "", 2352, 4140, 2340, 300, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandOK", "&OK", 744, 5004, 1164, 348, NO_CONTAINER, ControlRole::Default},
            {ControlKind::Button, "CommandCancel", "&Cancel", 2496, 5028, 1332, 348, NO_CONTAINER, ControlRole::Cancel},
            {ControlKind::Frame, "Frame1", "Mouse Shortcuts", 192, 1392, 4500, 2268, NO_CONTAINER, ControlRole::None},
            {ControlKind::Label, "Label2", "IE Operations", 2496, 384, 1500, 252, Frame1, ControlRole::None},
            {ControlKind::Label, "Label1", "Windows Operations", 96, 384, 1860, 324, Frame1, ControlRole::None},
            {ControlKind::Label, "LabelHotkeyProblem", "", 288, 4500, 4404, 420, NO_CONTAINER, ControlRole::None},
        }};
    return table;
}

const FormTable& PromptRestFormTable() {
    static const FormTable table{
        "Advice from Quorvel",
        2940,
        828,
        0,
        FormFrame::ToolWindow,
        ReminderGreen,
        ReminderFont,
        {
            {ControlKind::Label, "LabelPrompt",
             "You have been using computer for a long time. It is time to take a rest. ", 24, 48, 2892, 780,
             NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandOK", "OK", 1080, 504, 636, 276, NO_CONTAINER, ControlRole::None},
        }};
    return table;
}

const FormTable& AutoClickFormTable() {
    static const FormTable table{
        // Shown, the outer size is 768 x 552 twips (the box sizes itself then).
        "Form1",
        AUTO_CLICK_WIDTH_TWIPS,
        AUTO_CLICK_HEIGHT_TWIPS,
        AUTO_CLICK_HEIGHT_TWIPS,
        FormFrame::ThinLine,
        InfoBackground,
        DialogFont,
        {
            {ControlKind::Label, "Label1", "Click", 0, 24, 444, 252, NO_CONTAINER, ControlRole::None},
        }};
    return table;
}

const FormTable& AnimationFormTable() {
    static const FormTable table{"Quorvel is starting",  6096,          1224,          0,
                                 FormFrame::FixedDialog, ActiveCaption, AnimationFont, {}};
    return table;
}

}  // namespace quorvel
