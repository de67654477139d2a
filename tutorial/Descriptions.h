// The description paragraph shown under each operation's animation.
#pragma once

#include <array>
#include <string>

#include "Operations.h"

namespace quorvel::tutorial {

// A paragraph break inside a description: two carriage returns.
extern const char* const PARAGRAPH_BREAK;

using DescriptionTable = std::array<std::string, OPERATION_COUNT>;

// The eleven paragraphs, indexed by operation.
DescriptionTable FillDescriptions();

}  // namespace quorvel::tutorial
