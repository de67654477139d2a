// What a process does about the faults its hooks have had: one report block
// per fault address (a fault on the pointer-move path would otherwise write a
// block for every move), the report file kept small by rotating it, and after
// repeated faults the hooks of this process stop working and only pass their
// messages on. Any fault disarms the gestures in flight, so that a
// half-written start can never trigger an action later.
#pragma once

#include <atomic>
#include <cstdint>

#include "common/SharedState.h"

namespace quorvel {

constexpr int FAULT_ADDRESSES_REMEMBERED = 32;
constexpr uint32_t FAULTS_BEFORE_HOOKS_OFF = 5;
constexpr uint64_t EXCEPTION_LOG_LIMIT = 1024 * 1024;  // bytes; then the file is rotated

class FaultLimiter {
public:
    // Counts one fault at `address`; true when no block was written for
    // that address in this process yet (the caller then writes one). Safe
    // on any number of threads at once.
    bool Count(uintptr_t address);
    uint32_t Faults() const { return faults_.load(); }
    bool HooksOff() const { return faults_.load() >= FAULTS_BEFORE_HOOKS_OFF; }

private:
    std::atomic<uint32_t> faults_{0};
    std::atomic<uintptr_t> reported_[FAULT_ADDRESSES_REMEMBERED] = {};
};

// True when a report file of `size` bytes is to be rotated before the next block.
inline bool ExceptionLogNeedsRotation(uint64_t size) { return size >= EXCEPTION_LOG_LIMIT; }

// Clears every armed gesture and pending press of the shared record.
void DisarmGestures(SharedState& s);

}  // namespace quorvel
