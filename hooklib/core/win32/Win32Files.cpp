// The files role on Windows: the library's text logs.
#include "Win32Platform.h"

#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"

namespace quorvel {

// A text file open for writing. Text mode ("\n" stored as CR LF) is done
// here, and everything written between open and close goes to the file in
// one append, so that the lines of concurrent writers (any thread of any
// process) never overwrite each other: the file is opened for appending
// only, which the system makes atomic.
struct TextFile {
    HANDLE handle;
    DWORD used;
    char buffer[16384];
};

namespace {

void Flush(TextFile* f) {
    if (f->used == 0) return;
    DWORD written = 0;
    ::WriteFile(f->handle, f->buffer, f->used, &written, nullptr);
    f->used = 0;
}

void Put(TextFile* f, char c) {
    if (f->used == sizeof f->buffer) Flush(f);
    f->buffer[f->used++] = c;
}

}  // namespace

FileId Win32Files::OpenTextFile(const char* path, bool truncate) {
    DWORD access = truncate ? GENERIC_WRITE : FILE_APPEND_DATA;
    wchar_t wide[MAX_PATH * 2];
    if (!WidenInto(path, wide, MAX_PATH * 2)) return 0;
    OwnedHandle file(::CreateFileW(wide, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   truncate ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 0;
    auto* f = static_cast<TextFile*>(::HeapAlloc(::GetProcessHeap(), 0, sizeof(TextFile)));
    if (!f) return 0;
    // From here the file is closed by CloseFile.
    f->handle = file.Release();
    f->used = 0;
    return reinterpret_cast<FileId>(f);
}

void Win32Files::WriteText(FileId id, const char* text) {
    auto* f = reinterpret_cast<TextFile*>(id);
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') Put(f, '\r');
        Put(f, *p);
    }
}

void Win32Files::CloseFile(FileId id) {
    auto* f = reinterpret_cast<TextFile*>(id);
    Flush(f);
    ::CloseHandle(f->handle);
    ::HeapFree(::GetProcessHeap(), 0, f);
}

}  // namespace quorvel
