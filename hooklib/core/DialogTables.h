// The per-process dialog maps: which dialogs each thread has open, and the
// Smart Move click memory of this process. One lock of the process guards
// every lookup and update of the outer maps.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Platform.h"

namespace quorvel {

// "%04d%04d" of a dialog's outer width and height, e.g. "03200096".
using DialogSizeKey = std::string;

struct DialogClickRecord {
    bool HasOffset = false;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    bool ClickedThisTime = false;
};

using DialogClickMap = std::map<DialogSizeKey, DialogClickRecord>;

struct DialogTables {
    std::map<uint32_t, std::vector<Hwnd>> ThreadDialogStacks;  // by thread id
    std::map<uint32_t, std::set<Hwnd>> ThreadTrackedDialogs;   // by thread id
    std::map<uint32_t, std::set<Hwnd>> ThreadHiddenDialogs;    // by thread id
    std::map<uint32_t, DialogClickMap> ProcessDialogClicks;    // by process id
};

}  // namespace quorvel
