// Text helpers the parts of the fake desktop share.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace quorvel::testing {

// Copies as the Win32 text calls do: at most size-1 characters and a zero;
// returns the length copied.
inline int CopyOut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return 0;
    int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

inline std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace quorvel::testing
