// gesture_recorder.exe ARGS...: stands in for a program the show-desktop
// gesture starts. It appends its name and command-line arguments, as one
// line "<exe file name>|<arguments>", to "<its own path>.log" and exits.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    char path[MAX_PATH + 8];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    char line[MAX_PATH * 2 + 8];
    std::snprintf(line, sizeof line, "%s|%s\n", name, arguments ? arguments : "");
    std::strcat(path, ".log");
    if (FILE* f = std::fopen(path, "a")) {
        std::fputs(line, f);
        std::fclose(f);
    }
    return 0;
}
