#include "AnsiPath.h"

#include <cwchar>

namespace quorvel {

bool CodePageTakesNoFlags(uint32_t codePage) {
    return codePage == 65000 || codePage == 65001 || codePage == 42 || (codePage >= 50220 && codePage <= 50229) ||
           (codePage >= 57002 && codePage <= 57011);
}

bool ToAnsiPath(CodePageConverter& converter, const wchar_t* wide, char* out, size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    const int length = static_cast<int>(std::wcslen(wide));
    if (length == 0 || length >= ANSI_PATH_MAX_WIDE) return false;
    const uint32_t codePage = converter.CodePage();
    bool usedDefault = false;
    int n = 0;
    if (codePage == 65001) {
        n = converter.ToMultiByte(WC_ERR_INVALID_CHARS_FLAG, wide, length, out, static_cast<int>(size) - 1, nullptr);
    } else if (CodePageTakesNoFlags(codePage)) {
        n = converter.ToMultiByte(0, wide, length, out, static_cast<int>(size) - 1, nullptr);
    } else {
        n = converter.ToMultiByte(WC_NO_BEST_FIT_CHARS_FLAG, wide, length, out, static_cast<int>(size) - 1,
                                  &usedDefault);
    }
    bool exact = n > 0 && !usedDefault;
    if (exact) {
        // Back again: only a path that comes back unchanged names the same file.
        wchar_t back[ANSI_PATH_MAX_WIDE];
        const int m = converter.ToWide(out, n, back, ANSI_PATH_MAX_WIDE);
        exact = m == length && std::wmemcmp(back, wide, static_cast<size_t>(length)) == 0;
    }
    if (!exact) {
        out[0] = '\0';
        return false;
    }
    out[n] = '\0';
    return true;
}

}  // namespace quorvel
