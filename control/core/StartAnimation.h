// The start animation: a dot is added to "Quorvel is starting" every half
// second; after six dots the caption says "Quorvel has been started." and
// the window shrinks from the bottom in 50-twip steps until it hides.
#pragma once

#include <optional>
#include <string>

namespace quorvel {

constexpr const char* STARTING_CAPTION = "Quorvel is starting";
constexpr const char* STARTED_CAPTION = "Quorvel has been started.";
constexpr const char* CAPTION_DOT = " .";
constexpr const char* SIX_DOTS = " . . . . . .";
constexpr unsigned CAPTION_TICK_MS = 500;
constexpr unsigned SHRINK_TICK_MS = 50;
constexpr int SHRINK_STEP_TWIPS = 50;
constexpr const char* TUTORIAL_OFFER_TEXT =
    "The following tutorial will teach you how to use mouse shortcuts step by step.";
constexpr const char* TUTORIAL_ARGUMENTS = "0";

class StartCaption {
public:
    void Start();
    // TimerAnimation: returns true on the tick that sets the final caption
    // (the shrinking starts then); later ticks change nothing.
    bool OnTick();

    const std::string& Caption() const { return Caption_; }
    bool StartedShown() const { return StartedShown_; }

private:
    std::string Caption_ = STARTING_CAPTION;
    bool StartedShown_ = false;
};

// TimerControlWindow: the next outer height in twips, or nothing when the
// client area is down to 50 twips and the form is to be hidden.
std::optional<double> ShrinkStep(double outerHeightTwips, double clientHeightTwips);

}  // namespace quorvel
