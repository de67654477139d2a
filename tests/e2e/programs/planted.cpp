// planted.dll: a library left beside Quorvel's programs under a system
// library's name. Loaded, it leaves a file of its own path plus ".planted".
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    wchar_t path[MAX_PATH + 16];
    const DWORD n = reason == DLL_PROCESS_ATTACH ? GetModuleFileNameW(instance, path, MAX_PATH) : 0;
    if (n > 0 && n < MAX_PATH)
        CloseHandle(CreateFileW(lstrcatW(path, L".planted"), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}
