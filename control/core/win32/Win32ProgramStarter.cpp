#include "Win32ProgramStarter.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "common/win32/Owners.h"
#include "control/core/BrowserLaunch.h"
#include "common/win32/ModulePaths.h"

namespace quorvel {

namespace {

bool Started(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

constexpr DWORD LONGEST_VALUE = 4096;

// A string value (REG_SZ, or REG_EXPAND_SZ with its variables expanded);
// empty when it is missing, of another type or too long.
std::string ReadString(HKEY root, const std::string& subKey, const char* name) {
    OwnedKey key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS) {
        key.Release();
        return "";
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > LONGEST_VALUE) {
        return "";
    }
    std::vector<char> data(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
        ERROR_SUCCESS) {
        return "";
    }
    std::string text(data.data());
    if (type != REG_EXPAND_SZ) return text;
    char expanded[LONGEST_VALUE];
    const DWORD n = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
    return n > 0 && n <= sizeof expanded ? std::string(expanded) : "";
}

std::string OpenCommandOf(const std::string& progId) {
    return progId.empty() ? "" : ReadString(HKEY_CLASSES_ROOT, progId + "\\shell\\open\\command", nullptr);
}

BrowserRegistration ReadBrowserRegistration() {
    BrowserRegistration r;
    const std::string choice =
        ReadString(HKEY_CURRENT_USER,
                   "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice", "ProgId");
    r.httpCommand = OpenCommandOf(choice);
    if (r.httpCommand.empty()) r.httpCommand = OpenCommandOf("http");
    r.internetExplorer = ReadString(HKEY_LOCAL_MACHINE,
                                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", nullptr);
    return r;
}

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
    const BrowserStart start = ResolveBrowserStart(ReadBrowserRegistration());
    if (start.path.empty()) return false;
    return Started(ShellExecuteA(nullptr, "open", start.path.c_str(),
                                 start.parameters.empty() ? nullptr : start.parameters.c_str(), nullptr,
                                 SW_SHOWNORMAL));
}

}  // namespace quorvel
