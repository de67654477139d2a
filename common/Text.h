// Small text helpers the programs and the libraries share. None allocates:
// the hook library uses them on its hook paths.
#pragma once

#include <cstddef>

namespace quorvel {

// Bounded copy into a fixed text field: always zero-terminated, never
// overflows; returns false when the text had to be cut.
bool CopyText(char* field, size_t fieldSize, const char* text);

// ASCII letters only: file names compare the way the file system of the
// user's own language would not matter for ("MSPAINT.EXE" is "mspaint.exe").
char AsciiLower(char c);
bool SameTextIgnoringCase(const char* a, size_t aLength, const char* b, size_t bLength);

// The file name of a path: what follows its last '\', '/' or ':'.
const char* FileNamePart(const char* path);

}  // namespace quorvel
