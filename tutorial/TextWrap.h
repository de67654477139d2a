// Breaks a label's text into the lines that fit its width.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorvel::tutorial {

// Width of a piece of text, in the unit of `width` below.
using TextMeasure = std::function<int(const std::string&)>;

// The lines of `text` no wider than `width`: a carriage return, a line feed
// or the pair of them ends a line; otherwise lines break between words (the
// spaces at the break are dropped). A word wider than `width` gets a line of
// its own.
std::vector<std::string> WrapText(const std::string& text, int width, const TextMeasure& measure);

}  // namespace quorvel::tutorial
