#include "Text.h"

namespace quorvel {

bool CopyText(char* field, size_t fieldSize, const char* text) {
    if (fieldSize == 0) return false;
    size_t n = 0;
    while (text && text[n] != '\0' && n + 1 < fieldSize) {
        field[n] = text[n];
        ++n;
    }
    field[n] = '\0';
    return !text || text[n] == '\0';
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameTextIgnoringCase(const char* a, size_t aLength, const char* b, size_t bLength) {
    if (aLength != bLength) return false;
    for (size_t i = 0; i < aLength; ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

const char* FileNamePart(const char* path) {
    const char* name = path;
    for (const char* c = path; *c; ++c) {
        if (*c == '\\' || *c == '/' || *c == ':') name = c + 1;
    }
    return name;
}

}  // namespace quorvel
