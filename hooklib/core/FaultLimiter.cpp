#include "FaultLimiter.h"

namespace quorvel {

bool FaultLimiter::Count(uintptr_t address) {
    faults_.fetch_add(1);
    for (auto& slot : reported_) {
        uintptr_t seen = slot.load();
        if (seen == address) return false;
        if (seen == 0) {
            if (slot.compare_exchange_strong(seen, address)) return true;
            if (seen == address) return false;  // another thread took it for the same address
        }
    }
    // Every slot holds another address: this many different faults are
    // reported enough.
    return false;
}

void DisarmGestures(SharedState& s) {
    s.IERButtonDown = 0;
    s.RButtonDownInIE = 0;
    s.RButtonDownInFirefox = 0;
    s.RButtonDownInChromium = 0;
    s.MButtonDownPending = 0;
    s.ChordPending = 0;
    s.ChordSecondUpPending = 0;
    s.CenterNextDialogOnCursor = 0;
    s.DragScrollState = 0;  // idle: no drag-to-scroll left holding the pointer
}

}  // namespace quorvel
