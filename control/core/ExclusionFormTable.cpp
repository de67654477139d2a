#include "ExclusionFormTable.h"

namespace quorvel {

const FormTable& ExclusionFormTable() {
    static const FormTable table{
        EXCLUSION_FORM_CAPTION,
        6000,
        6900,
        0,
        FormFrame::FixedDialog,
        FormColour{true, 15},
        FormFont{"MS Sans Serif", 8},
        {
            {ControlKind::Label, "LabelList",
             "Programs in which the mouse shortcuts, Smart Move, Cursor Go Away and "
             "the wheel do nothing:",
             120, 120, 5760, 420, NO_CONTAINER, ControlRole::None},
            {ControlKind::ListBox, "ListPrograms", "", 120, 600, 4440, 1800, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandRemove", "&Remove", 4680, 600, 1200, 372, NO_CONTAINER, ControlRole::None},
            {ControlKind::Label, "LabelPick", "+  Drag this cross onto a program to add it", 120, 2520, 5760, 300,
             NO_CONTAINER, ControlRole::None},
            {ControlKind::Label, "LabelName", "Program &file name:", 120, 2940, 1500, 300, NO_CONTAINER,
             ControlRole::None},
            {ControlKind::TextBox, "TextName", "", 1680, 2900, 2880, 330, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandAdd", "&Add", 4680, 2880, 1200, 372, NO_CONTAINER, ControlRole::None},
            {ControlKind::CheckBox, "CheckFullScreen", "Stay &quiet while a full-screen window is in front", 120, 3420,
             5760, 324, NO_CONTAINER, ControlRole::None},
            {ControlKind::Label, "LabelBrowsers",
             "Browsers whose pages get the browser shortcuts and drag-to-scroll "
             "(Internet Explorer pages always do):",
             120, 3900, 5760, 420, NO_CONTAINER, ControlRole::None},
            {ControlKind::ListBox, "ListBrowsers", "", 120, 4380, 4440, 1200, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandRemoveBrowser", "Re&move", 4680, 4380, 1200, 372, NO_CONTAINER,
             ControlRole::None},
            {ControlKind::Button, "CommandDefaultBrowsers", "Defaul&ts", 4680, 4860, 1200, 372, NO_CONTAINER,
             ControlRole::None},
            {ControlKind::Label, "LabelBrowserName", "&Browser file name:", 120, 5760, 1500, 300, NO_CONTAINER,
             ControlRole::None},
            {ControlKind::TextBox, "TextBrowserName", "", 1680, 5720, 2880, 330, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandAddBrowser", "A&dd", 4680, 5700, 1200, 372, NO_CONTAINER, ControlRole::None},
            {ControlKind::Button, "CommandOK", "OK", 3360, 6300, 1200, 372, NO_CONTAINER, ControlRole::Default},
            {ControlKind::Button, "CommandCancel", "Cancel", 4680, 6300, 1200, 372, NO_CONTAINER, ControlRole::Cancel},
        }};
    return table;
}

}  // namespace quorvel
