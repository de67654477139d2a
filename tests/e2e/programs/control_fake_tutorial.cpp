// Stands in for the tutorial program: records how it was started in
// "tutorial-started.txt" beside itself (its command line and working folder).
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string record = path;
    record = record.substr(0, record.find_last_of('\\') + 1) + "tutorial-started.txt";
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    if (std::FILE* file = std::fopen(record.c_str(), "w")) {
        std::fprintf(file, "command line: %s\nfolder: %s\n", GetCommandLineA(), folder);
        std::fclose(file);
    }
    return 0;
}
