// Telling the user, once per run, that a gesture met a window of a program
// Quorvel cannot work in (an elevated one).
#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

constexpr unsigned UNREACHABLE_CHECK_INTERVAL_MS = 2000;

class UnreachableNotice {
public:
    // The library's count when the hooks started (the record may be older
    // than this run).
    void Start(uint32_t count) {
        baseline_ = count;
        started_ = true;
    }
    // True once, at the first check that finds a new unreachable window and
    // no full-screen program in front (then a later check tells).
    bool OnCheck(uint32_t count, bool quietTime = false) {
        if (!started_ || told_ || count == baseline_ || quietTime) return false;
        told_ = true;
        return true;
    }

private:
    uint32_t baseline_ = 0;
    bool started_ = false;
    bool told_ = false;
};

std::string UnreachableNoticeText();

}  // namespace quorvel
