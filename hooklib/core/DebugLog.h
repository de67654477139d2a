// The debug log "QuorvelLog.txt": one line per event, each write an
// open-append-close of the file in the install folder, or in "c:\" when the
// install folder cannot be written.
#pragma once

#include "Context.h"

namespace quorvel {

// Creates the log afresh with its two header lines.
void StartLog(Context& ctx);

// Appends the text and "\n". A line that cannot be written is lost.
void WriteLog(Context& ctx, const char* text);

// printf-style WriteLog; lines longer than LOG_LINE_MAX are cut.
void WriteLogF(Context& ctx, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

constexpr int LOG_LINE_MAX = 1024;

// Opens InstallPath + name, else "c:\" + name. Returns 0 when neither opens
// (a path that does not fit the 200-byte buffer counts as not opening).
FileId OpenLibraryFile(Context& ctx, const char* name, bool truncate);

}  // namespace quorvel
