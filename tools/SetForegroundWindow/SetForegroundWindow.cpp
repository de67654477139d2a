// SetForegroundWindow.exe HANDLE: brings the window whose decimal handle is
// the command line to the foreground. The show-desktop gesture starts it
// with the taskbar's handle. A missing, malformed or stale handle does
// nothing; the exit code tells what happened (0 done, 1 bad argument,
// 2 no such window).
#include <windows.h>

#include <cstdint>

#include "common/HandleWidth.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Parses unsigned decimal digits (no sign: the library writes the handle
// unsigned), with blanks and at most one pair of double quotes around them
// and nothing else, into a value that fits 32 bits.
bool ParseHandle(const char* text, uint32_t* value) {
    if (!text) return false;
    while (IsSpace(*text)) ++text;
    bool quoted = *text == '"';
    if (quoted) ++text;
    while (IsSpace(*text)) ++text;
    uint64_t v = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
        v = v * 10 + static_cast<uint64_t>(*text - '0');
        if (v > 0xFFFFFFFFull) return false;
    }
    while (IsSpace(*text)) ++text;
    if (quoted) {
        if (*text != '"') return false;
        ++text;
        while (IsSpace(*text)) ++text;
    }
    if (digits == 0 || *text != '\0') return false;
    *value = static_cast<uint32_t>(v);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    uint32_t value = 0;
    if (!ParseHandle(commandLine, &value) || value == 0) return 1;
    HWND window = reinterpret_cast<HWND>(quorvel::WidenHandle(value));
    if (!IsWindow(window)) return 2;
    SetForegroundWindow(window);
    return 0;
}
