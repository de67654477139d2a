#include "Win32FileSystem.h"

#include <windows.h>

#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"

namespace quorvel {

// Paths are UTF-8 (see ModulePaths.h).

bool Win32FileSystem::Exists(const std::string& path) {
    return GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::Delete(const std::string& path) {
    SetFileAttributesW(WideOf(path).c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files go too
    return DeleteFileW(WideOf(path).c_str()) != 0;
}

bool Win32FileSystem::Move(const std::string& from, const std::string& to) {
    return MoveFileW(WideOf(from).c_str(), WideOf(to).c_str()) != 0;
}

bool Win32FileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileW(WideOf(from).c_str(), WideOf(to).c_str(), failIfExists ? TRUE : FALSE) != 0;
}

bool Win32FileSystem::Read(const std::string& path, std::string* contents) {
    const OwnedHandle file(CreateFileW(WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    contents->clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
        contents->append(buffer, got);
        if (contents->size() > (64u << 20)) {  // no hook library is this big
            ok = false;
            break;
        }
    }
    return ok;
}

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
    return MoveFileExW(WideOf(from).c_str(), WideOf(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

std::vector<std::string> Win32FileSystem::List(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const OwnedFind search(FindFirstFileA((folder + "*").c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

}  // namespace quorvel
