#include "DebugLog.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace quorvel {
namespace {

// folder + name into a LOG_PATH_BUFFER_SIZE buffer; false if it does not fit.
bool BuildPath(char (&path)[LOG_PATH_BUFFER_SIZE], const char* folder, const char* name) {
    int n = std::snprintf(path, sizeof path, "%.*s%s", INSTALL_PATH_SIZE, folder, name);
    return n > 0 && n < static_cast<int>(sizeof path);
}

}  // namespace

FileId OpenLibraryFile(Context& ctx, const char* name, bool truncate) {
    char path[LOG_PATH_BUFFER_SIZE];
    // The folder of this process's own library, never the shared record's
    // copy; an unknown (empty) folder goes straight to the fallback rather
    // than to the host's current directory.
    const char* folder = ctx.process.InstallFolder;
    if (folder[0] != '\0' && BuildPath(path, folder, name)) {
        if (FileId f = ctx.files.OpenTextFile(path, truncate)) return f;
    }
    if (BuildPath(path, FALLBACK_LOG_FOLDER, name)) {
        return ctx.files.OpenTextFile(path, truncate);
    }
    return 0;
}

void StartLog(Context& ctx) {
    FileId f = OpenLibraryFile(ctx, DEBUG_LOG_FILE_NAME, true);
    if (!f) return;
    ctx.files.WriteText(f, "Quorvel is being started.\n");
    ctx.files.WriteText(f, "-------------------------------------------\n");
    ctx.files.CloseFile(f);
}

void WriteLog(Context& ctx, const char* text) {
    FileId f = OpenLibraryFile(ctx, DEBUG_LOG_FILE_NAME, false);
    if (!f) return;
    ctx.files.WriteText(f, text);
    ctx.files.WriteText(f, "\n");
    ctx.files.CloseFile(f);
}

void WriteLogF(Context& ctx, const char* format, ...) {
    char line[LOG_LINE_MAX];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    WriteLog(ctx, line);
}

}  // namespace quorvel
