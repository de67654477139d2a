#include "SharedInitWait.h"

#include "common/SharedState.h"

namespace quorvel {

bool SharedInitWait::MayLook(uint32_t now) const { return !waiting_ || static_cast<int32_t>(now - nextLookAt_) >= 0; }

InitStep SharedInitWait::Look(uint32_t state, uint32_t startStamp, uint32_t now) {
    if (state == SHARED_STATE_READY || state == SHARED_STATE_FRESH) {
        waiting_ = false;
        return state == SHARED_STATE_READY ? InitStep::Ready : InitStep::Initialise;
    }
    // Initialising, or a value no library writes: someone is (or was) at it.
    if (!waiting_ || startStamp != stamp_) {
        waiting_ = true;
        stamp_ = startStamp;
        firstSeenAt_ = now;
        delay_ = 0;
        nextLookAt_ = now;
    }
    // Until the initialiser's stamp is written, this process's own first
    // sight of it counts.
    const bool stampStale = startStamp != 0 && now - startStamp >= SHARED_INIT_STALE_MS;
    if (stampStale || now - firstSeenAt_ >= SHARED_INIT_STALE_MS) return InitStep::TakeOver;
    return InitStep::Wait;
}

void SharedInitWait::Waited(uint32_t now) {
    delay_ = delay_ == 0 ? SHARED_INIT_FIRST_DELAY_MS : delay_ * 2;
    if (delay_ > SHARED_INIT_LONGEST_DELAY_MS) delay_ = SHARED_INIT_LONGEST_DELAY_MS;
    nextLookAt_ = now + delay_;
}

}  // namespace quorvel
