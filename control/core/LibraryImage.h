// Is a file's content a hook library we can load: a complete PE image (every
// section's data inside the file, so a torn copy fails) whose export table
// names our control functions?
#pragma once

#include <string>

namespace quorvel {

bool LooksLikeHookLibrary(const std::string& bytes);

}  // namespace quorvel
