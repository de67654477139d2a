// A path in the ANSI code page that names exactly the same file as its wide
// (UTF-16) form, or nothing. The conversion is checked by a round trip, so
// that a best-fit character ("ō" written as "o") never yields a different
// path, and it asks each code page only for what that code page accepts:
// UTF-8 (65001, Windows' "Use Unicode UTF-8 for worldwide language support")
// and a few others refuse every flag and the "default character used"
// report, and fail the whole conversion when given them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

// WideCharToMultiByte and MultiByteToWideChar for one code page.
class CodePageConverter {
public:
    virtual ~CodePageConverter() = default;
    virtual uint32_t CodePage() = 0;
    // As WideCharToMultiByte(CodePage(), flags, wide, wideLength, out,
    // outSize, nullptr, usedDefault); usedDefault may be null.
    virtual int ToMultiByte(uint32_t flags, const wchar_t* wide, int wideLength, char* out, int outSize,
                            bool* usedDefault) = 0;
    // As MultiByteToWideChar(CodePage(), 0, text, length, out, outSize).
    virtual int ToWide(const char* text, int length, wchar_t* out, int outSize) = 0;
};

constexpr uint32_t WC_NO_BEST_FIT_CHARS_FLAG = 0x400;  // WC_NO_BEST_FIT_CHARS
constexpr uint32_t WC_ERR_INVALID_CHARS_FLAG = 0x80;   // WC_ERR_INVALID_CHARS (UTF-8 only)

// True for the code pages that take no conversion flags and no "default
// character used" report (UTF-7, UTF-8, Symbol, ISO-2022, ISCII).
bool CodePageTakesNoFlags(uint32_t codePage);

// Longest wide path converted (characters, with the terminator); nothing
// is allocated, so the hooks may convert too.
constexpr int ANSI_PATH_MAX_WIDE = 1024;

// The zero-terminated wide path as a zero-terminated ANSI path in out
// (size bytes); false, with out empty, when it does not fit or the code
// page cannot name it exactly.
bool ToAnsiPath(CodePageConverter& converter, const wchar_t* wide, char* out, size_t size);

}  // namespace quorvel
