// The control table of "Quorvel - exclusions": the programs Quorvel keeps
// out of, and the full-screen pause.
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
    ExclusionCommandOK,
    ExclusionCommandCancel,
};

}  // namespace quorvel
