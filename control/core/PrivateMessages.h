// What Quorvel.exe accepts of the private messages other programs may post
// to its windows. Any program of the user can post them (an elevated
// Quorvel lets normal programs' messages in, and with them those of lower
// programs), so each is checked for what it carries before it does
// anything: a message that fails is ignored. None of them ever makes
// Quorvel start a program or open a file of the sender's choosing: the
// launch request names one of Quorvel's own fixed actions (LaunchRequests).
#pragma once

#include <cstdint>

namespace quorvel {

enum class PrivateWindow { Main, AutoClick, TaskList };

// A posted message as the receiving window finds it.
struct PrivateMessage {
    PrivateWindow to;
    uint32_t message;
    uint32_t wParam;
    uint32_t lParam;
    // About the window lParam names (drag-to-scroll steps and ends).
    bool windowExists = false;
    bool windowIsOurs = false;  // belongs to Quorvel.exe itself
    // The virtual screen: every monitor's pixels.
    int32_t screenLeft = 0, screenTop = 0, screenWidth = 0, screenHeight = 0;
};

// True when the message may be acted on; false for an unknown message too.
bool AcceptPrivateMessage(const PrivateMessage& m);

}  // namespace quorvel
