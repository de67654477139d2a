// product_probe.exe FILE...: prints, one line per file, what its version
// resource and icons say:
//   <file> fixed=<a.b.c.d>
//   FileVersion=<..>|ProductVersion=<..>|ProductName=<..>|FileDescription=<..>|CompanyName=<..>|icons=<ids>
// ("none" when the file has no version resource).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string StringValue(const void* block, const char* name) {
    // The first translation the file lists.
    struct Translation {
        WORD language, codePage;
    }* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &size) ||
        size < sizeof *translations) {
        return "?";
    }
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translations->language, translations->codePage,
                  name);
    char* value = nullptr;
    if (!VerQueryValueA(block, path, reinterpret_cast<void**>(&value), &size) || !value) return "?";
    return value;
}

std::string IconIds(const char* file) {
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return "?";
    std::string ids;
    for (int id = 1; id <= 8; ++id) {
        if (FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */)) {
            ids += (ids.empty() ? "" : ",") + std::to_string(id);
        }
    }
    FreeLibrary(module);
    return ids.empty() ? "-" : ids;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* file = argv[i];
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
        std::string block(size, '\0');
        if (!size || !GetFileVersionInfoA(file, 0, size, &block[0])) {
            std::printf("%s none\n", file);
            continue;
        }
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT fixedSize = 0;
        VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize);
        std::printf("%s fixed=%lu.%lu.%lu.%lu", file, fixed ? HIWORD(fixed->dwFileVersionMS) : 0UL,
                    fixed ? LOWORD(fixed->dwFileVersionMS) : 0UL, fixed ? HIWORD(fixed->dwFileVersionLS) : 0UL,
                    fixed ? LOWORD(fixed->dwFileVersionLS) : 0UL);
        const char* names[] = {"FileVersion", "ProductVersion", "ProductName", "FileDescription", "CompanyName"};
        const char* separator = " ";
        for (const char* name : names) {
            std::printf("%s%s=%s", separator, name, StringValue(block.data(), name).c_str());
            separator = "|";
        }
        std::printf("|icons=%s\n", IconIds(file).c_str());
    }
    return 0;
}
