// Where our programs take libraries from. A portable copy is often unpacked
// into Downloads, where other files lie beside it: a library there named
// like a system one ("version.dll", "uxtheme.dll", ...) must never be
// loaded. So every program restricts the search to the system folder before
// it loads anything at run time, the system libraries that are not
// KnownDLLs (comctl32, ...) are bound at their first call, after that
// (delay-loaded, see cmake/QuorvelSafeLoading.cmake), and our own libraries
// are loaded by full path only.
#pragma once

#include <windows.h>

namespace quorvel {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// Call first thing in WinMain: LoadLibrary without a path then looks in the
// system folder only. Systems without SetDefaultDllDirectories (Windows 7
// before its update) at least stop searching the current folder.
inline void SearchSystemFolderOnly() {
    using SetDefault = BOOL(WINAPI*)(DWORD);
    const auto set = reinterpret_cast<SetDefault>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

// A system library from the system folder only.
inline HMODULE LoadSystemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    wchar_t path[MAX_PATH];  // a system without the search flags: by full path
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    if (n == 0 || n + 1 + lstrlenW(name) >= MAX_PATH) return nullptr;
    lstrcatW(path, L"\\");
    lstrcatW(path, name);
    return LoadLibraryW(path);
}

// One of our own libraries, by its full path; what it imports comes from
// the system folder.
inline HMODULE LoadLibraryByFullPath(const wchar_t* path) {
    HMODULE module = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {  // a system without the search flags
        module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

}  // namespace quorvel
