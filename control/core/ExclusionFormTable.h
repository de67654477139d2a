// The control table of "Quorvel - exclusions": the programs Quorvel keeps
// out of, the full-screen pause, and the browser programs.
#pragma once

#include "ControlTable.h"

namespace quorvel {

constexpr const char* EXCLUSION_FORM_CAPTION = "Quorvel - exclusions";

const FormTable& ExclusionFormTable();
enum ExclusionFormControl {
    ExclusionLabelList,
    ExclusionList,
    ExclusionCommandRemove,
    ExclusionLabelPick,
    ExclusionLabelName,
    ExclusionTextName,
    ExclusionCommandAdd,
    ExclusionCheckFullScreen,
    ExclusionLabelBrowsers,
    ExclusionBrowserList,
    ExclusionCommandRemoveBrowser,
    ExclusionCommandDefaultBrowsers,
    ExclusionLabelBrowserName,
    ExclusionTextBrowserName,
    ExclusionCommandAddBrowser,
    ExclusionCommandOK,
    ExclusionCommandCancel,
};

}  // namespace quorvel
