// A module's file name as an ANSI path that names the same file: the path
// itself when the ANSI code page holds every character of it, else its short
// (8.3) form. Empty (0) when neither fits `size` or converts without loss,
// so that callers never work with a cut or "?"-mangled path.
#pragma once

#include <windows.h>

namespace quorvel {

inline DWORD AnsiModulePath(HMODULE module, char* out, DWORD size) {
    constexpr DWORD WIDE = 1024;
    wchar_t wide[WIDE];
    if (size == 0) return 0;
    out[0] = '\0';
    DWORD n = GetModuleFileNameW(module, wide, WIDE);
    if (n == 0 || n >= WIDE) return 0;
    BOOL lossy = FALSE;
    int m = WideCharToMultiByte(CP_ACP, 0, wide, -1, out, static_cast<int>(size), nullptr, &lossy);
    if (m > 0 && !lossy) return static_cast<DWORD>(m - 1);
    wchar_t shortPath[WIDE];
    DWORD s = GetShortPathNameW(wide, shortPath, WIDE);
    lossy = FALSE;
    m = (s > 0 && s < WIDE)
            ? WideCharToMultiByte(CP_ACP, 0, shortPath, -1, out, static_cast<int>(size), nullptr, &lossy)
            : 0;
    if (m <= 0 || lossy) {
        out[0] = '\0';
        return 0;
    }
    return static_cast<DWORD>(m - 1);
}

}  // namespace quorvel
