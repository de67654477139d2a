// A list of program file names as the registry keeps it (REG_MULTI_SZ) and
// the hook library receives it: each name ends in a zero and an empty name
// ends the list. Lists are read only within the bytes given.
#pragma once

#include <cstddef>

namespace quorvel {

// The room the shared record has for a list: names with their ending zeros
// and the closing empty name.
constexpr size_t PROGRAM_LIST_ROOM = 1024;

// One name of a list.
struct ProgramName {
    const char* text = nullptr;
    size_t length = 0;
    bool terminated = false;  // false: cut by the end of the bytes
};

// Reads the name at *at and moves *at past it; false at the end of the list.
bool NextProgramName(const char* list, size_t size, size_t* at, ProgramName* name);

// Whether the list names the program file (only names that end in their
// zero count; ASCII letters compare without case).
bool ProgramListContains(const char* list, size_t size, const char* fileName);

// Copies the whole names of a list that fit `room` with the closing empty
// name; the rest of `out` is zeroed. Returns the bytes of names written.
size_t CopyProgramList(char* out, size_t room, const char* list, size_t size);

}  // namespace quorvel
