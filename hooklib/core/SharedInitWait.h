// Waiting for another process to write the record's initial values. The
// first process of the record's life moves SharedInitState from "fresh" to
// "initialising", stamps SharedInitStartTime and writes the values, which
// takes microseconds; every other process finds "initialising" for that
// moment, yields a few times and looks again at a later call. A creator
// killed in between leaves the record at "initialising" for good: processes
// look again less and less often (never more than a few yields per look),
// and once it has been so for SHARED_INIT_STALE_MS one of them takes the
// initialisation over.
#pragma once

#include <cstdint>

namespace quorvel {

constexpr uint32_t SHARED_INIT_STALE_MS = 2000;
constexpr uint32_t SHARED_INIT_FIRST_DELAY_MS = 10;  // until the second look
constexpr uint32_t SHARED_INIT_LONGEST_DELAY_MS = 500;

enum class InitStep {
    Ready,       // the values are there: use the record
    Initialise,  // fresh: try to become the initialiser
    TakeOver,    // the initialiser has not finished for too long: try to take over
    Wait,        // someone is writing the values: look again later
};

// One process's view of the wait (the Win32 half keeps one per process and
// asks it from one thread at a time).
class SharedInitWait {
public:
    // False while the next look is not due yet.
    bool MayLook(uint32_t now) const;
    // What to do about the state word and start stamp just read.
    InitStep Look(uint32_t state, uint32_t startStamp, uint32_t now);
    // After a look that came to Wait: the next one is due later, each delay
    // twice the one before, at most SHARED_INIT_LONGEST_DELAY_MS.
    void Waited(uint32_t now);
    // The stamp an initialiser writes: the tick count, never 0 (0 is "not
    // stamped yet").
    static uint32_t Stamp(uint32_t now) { return now != 0 ? now : 1; }

private:
    bool waiting_ = false;
    uint32_t stamp_ = 0;        // the stamp the wait is for
    uint32_t firstSeenAt_ = 0;  // when this process first saw it
    uint32_t delay_ = 0;
    uint32_t nextLookAt_ = 0;
};

}  // namespace quorvel
