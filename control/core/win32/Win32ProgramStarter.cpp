#include "Win32ProgramStarter.h"

#include <windows.h>
#include <shellapi.h>

#include "common/win32/ModulePaths.h"

namespace quorvel {

namespace {
bool Started(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }
}  // namespace

bool Win32ProgramStarter::Open(const std::string& path, const std::string& parameters) {
    const std::wstring file = WideOf(path);  // UTF-8, as every path of the program
    const std::wstring arguments = WideOf(parameters);
    return Started(ShellExecuteW(nullptr, L"open", file.c_str(), arguments.empty() ? nullptr : arguments.c_str(),
                                 nullptr, SW_SHOWDEFAULT));
}

uint32_t Win32ProgramStarter::TaskbarWindow() {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(FindWindowA("Shell_TrayWnd", nullptr)));
}

bool Win32ProgramStarter::StartBrowser() {
    return Started(ShellExecuteA(nullptr, "open", "Iexplore.exe", nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace quorvel
