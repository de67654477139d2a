// Module paths on Windows. Paths that stay inside our own programs travel
// as UTF-8 and reach Windows through its wide-character calls, so that a
// folder named in any language works under every code page. The ANSI form
// is made only where an ANSI text is asked for (the hook library's record
// and log lines), checked by AnsiPath.h.
#pragma once

#include <windows.h>

#include <string>

#include "common/AnsiPath.h"

namespace quorvel {

// The ANSI code page as CodePageConverter.
class AnsiCodePage : public CodePageConverter {
public:
    uint32_t CodePage() override { return GetACP(); }
    int ToMultiByte(uint32_t flags, const wchar_t* wide, int wideLength, char* out, int outSize,
                    bool* usedDefault) override {
        BOOL used = FALSE;
        const int n =
            WideCharToMultiByte(CP_ACP, flags, wide, wideLength, out, outSize, nullptr, usedDefault ? &used : nullptr);
        if (usedDefault) *usedDefault = used != FALSE;
        return n;
    }
    int ToWide(const char* text, int length, wchar_t* out, int outSize) override {
        return MultiByteToWideChar(CP_ACP, 0, text, length, out, outSize);
    }
};

// A module's file name as an ANSI path that names the same file: the path
// itself when the ANSI code page names it exactly, else its short (8.3)
// form. 0 (and "") when neither fits `size` or converts exactly, so that
// callers never work with a cut or mangled path.
inline DWORD AnsiModulePath(HMODULE module, char* out, DWORD size) {
    wchar_t wide[ANSI_PATH_MAX_WIDE];
    if (size == 0) return 0;
    out[0] = '\0';
    const DWORD n = GetModuleFileNameW(module, wide, ANSI_PATH_MAX_WIDE);
    if (n == 0 || n >= static_cast<DWORD>(ANSI_PATH_MAX_WIDE)) return 0;
    AnsiCodePage codePage;
    if (ToAnsiPath(codePage, wide, out, size)) return lstrlenA(out);
    wchar_t shortPath[ANSI_PATH_MAX_WIDE];
    const DWORD s = GetShortPathNameW(wide, shortPath, ANSI_PATH_MAX_WIDE);
    if (s == 0 || s >= static_cast<DWORD>(ANSI_PATH_MAX_WIDE) || !ToAnsiPath(codePage, shortPath, out, size)) return 0;
    return lstrlenA(out);
}

// Wide text as UTF-8, and back.
inline std::string Utf8Of(const wchar_t* wide, int length = -1) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, &text[0], n, nullptr, nullptr);
    if (length < 0) text.resize(static_cast<size_t>(n) - 1);  // the terminator
    return text;
}

inline std::wstring WideOf(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return wide;
}

// UTF-8 into a wide buffer without allocating (for the hook library's own
// paths, also while a fault is reported); false, with out empty, when it
// does not fit.
inline bool WidenInto(const char* utf8, wchar_t* out, int size) {
    if (size <= 0) return false;
    out[0] = L'\0';
    if (!utf8 || MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out, size) > 0) return true;
    out[0] = L'\0';
    return false;
}

// The full path of a module in UTF-8; "" when it cannot be read whole.
inline std::string Utf8ModulePath(HMODULE module) {
    std::wstring wide(MAX_PATH, L'\0');
    for (int tries = 0; tries < 6; ++tries) {
        const DWORD n = GetModuleFileNameW(module, &wide[0], static_cast<DWORD>(wide.size()));
        if (n == 0) return std::string();
        if (n < wide.size()) return Utf8Of(wide.c_str(), static_cast<int>(n));
        wide.resize(wide.size() * 2);
    }
    return std::string();
}

}  // namespace quorvel
