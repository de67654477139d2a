#include "Win32ProgramStarter.h"

#include <windows.h>
#include <shellapi.h>

namespace quorvel {

namespace {
bool Started(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }
}  // namespace

bool Win32ProgramStarter::Open(const std::string& path, const std::string& parameters) {
    return Started(ShellExecuteA(nullptr, "open", path.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                                 nullptr, SW_SHOWDEFAULT));
}

uint32_t Win32ProgramStarter::TaskbarWindow() {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(FindWindowA("Shell_TrayWnd", nullptr)));
}

bool Win32ProgramStarter::StartBrowser() {
    return Started(ShellExecuteA(nullptr, "open", "Iexplore.exe", nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace quorvel
