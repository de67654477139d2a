// The life of the shared record: its initial values and the reset stopHook
// performs.
#pragma once

#include "common/SharedState.h"
#include "Constants.h"
#include "common/Text.h"

namespace quorvel {

// Fills a record with the initial values of a new life of the shared state.
void InitialiseSharedState(SharedState& s);

// The reset stopHook performs after the hooks are removed. It keeps Setting,
// StopHookFlag, ChordPending, PromptRestWindow, the auto-click registration,
// the metrics, the registered message, the texts, MouseTrace and IEWindowTable.
void ResetSharedState(SharedState& s);

}  // namespace quorvel
