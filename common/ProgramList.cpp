#include "ProgramList.h"

#include <cstring>

#include "Text.h"

namespace quorvel {

bool NextProgramName(const char* list, size_t size, size_t* at, ProgramName* name) {
    if (!list || *at >= size || list[*at] == '\0') return false;
    size_t length = 0;
    while (*at + length < size && list[*at + length] != '\0') ++length;
    name->text = list + *at;
    name->length = length;
    name->terminated = *at + length < size;
    *at += length + 1;
    return true;
}

bool ProgramListContains(const char* list, size_t size, const char* fileName) {
    if (!fileName) return false;
    const size_t nameLength = std::strlen(fileName);
    if (nameLength == 0) return false;
    size_t at = 0;
    ProgramName name;
    while (NextProgramName(list, size, &at, &name)) {
        if (name.terminated && SameTextIgnoringCase(fileName, nameLength, name.text, name.length)) return true;
    }
    return false;
}

size_t CopyProgramList(char* out, size_t room, const char* list, size_t size) {
    std::memset(out, 0, room);
    size_t written = 0;
    size_t at = 0;
    ProgramName name;
    while (NextProgramName(list, size, &at, &name)) {
        if (!name.terminated) break;                   // no terminator inside the given size
        if (written + name.length + 1 >= room) break;  // keep the closing empty name
        std::memcpy(out + written, name.text, name.length);
        written += name.length + 1;
    }
    return written;
}

}  // namespace quorvel
