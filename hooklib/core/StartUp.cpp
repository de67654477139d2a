#include "StartUp.h"

#include <cstdio>
#include <cstring>

#include "DebugLog.h"
#include "Setting.h"
#include "WinConstants.h"

namespace quorvel {
namespace {

void Append(char* text, size_t size, const char* piece) {
    size_t used = std::strlen(text);
    if (used + 1 < size) std::snprintf(text + used, size - used, "%s", piece);
}

void AppendNtText(SharedState& shared, const OsVersion& v, char* text, size_t size) {
    shared.IsNTPlatform = 1;
    if (v.major <= 4) Append(text, size, "Microsoft Windows NT ");
    if (v.major == 5 && v.minor == 0) Append(text, size, "Microsoft Windows 2000 ");
    if (v.major == 5 && v.minor == 1) Append(text, size, "Microsoft Windows XP ");
    char piece[200];
    if (v.major > 4) {
        std::snprintf(piece, sizeof piece, "%s (Build %d)", v.csdVersion, static_cast<int>(v.build & 0xFFFF));
    } else {
        std::snprintf(piece, sizeof piece, "version %d.%d %s (Build %d)", static_cast<int>(v.major),
                      static_cast<int>(v.minor), v.csdVersion, static_cast<int>(v.build & 0xFFFF));
    }
    Append(text, size, piece);
}

void Append9xText(const OsVersion& v, char* text, size_t size) {
    char second = v.csdVersion[0] != '\0' ? v.csdVersion[1] : '\0';
    if (v.major == 4 && v.minor == 0) {
        Append(text, size, "Microsoft Windows 95 ");
        if (second == 'C' || second == 'B') Append(text, size, "OSR2 ");
    } else if (v.major == 4 && v.minor == 10) {
        Append(text, size, "Microsoft Windows 98 ");
        if (second == 'A') Append(text, size, "SE ");
    } else if (v.major == 4 && v.minor == 90) {
        Append(text, size, "Microsoft Windows Me ");
    }
}

void ReadMetrics(System& system, SharedState& s) {
    s.DoubleClickTime = static_cast<int32_t>(system.GetDoubleClickTime());
    s.DoubleClickWidth = system.GetSystemMetrics(win::SM_CXDOUBLECLK);
    s.DoubleClickHeight = system.GetSystemMetrics(win::SM_CYDOUBLECLK);
    s.ScreenWidth = system.GetSystemMetrics(win::SM_CXSCREEN);
    s.ScreenHeight = system.GetSystemMetrics(win::SM_CYSCREEN);
    s.CxHScroll = system.GetSystemMetrics(win::SM_CXHSCROLL);
    s.CyHScroll = system.GetSystemMetrics(win::SM_CYHSCROLL);
    s.CxVScroll = system.GetSystemMetrics(win::SM_CXVSCROLL);
    s.CyVScroll = system.GetSystemMetrics(win::SM_CYVSCROLL);
}

void LoadSetting(Context& ctx) {
    uint32_t word = 0;
    if (LoadSettingValue(ctx.registry, &word)) {
        WriteLogF(ctx, "Setting info is 0x%x\n", word);
        ctx.shared.Setting = word;
    } else {
        WriteLog(ctx, "Can't get setting info from registry\n");
        ctx.shared.Setting = DEFAULT_SETTING;
    }
}

}  // namespace

// Every text of the record is printed within its field: another process may
// have rewritten it (without a terminator) since it was filled.
void LogStartUpLines(Context& ctx, const SystemTimeUtc& t) {
    SharedState& s = ctx.shared;
    WriteLogF(ctx, "Date :  %04d/%02d/%02d  Time : %02d:%02d:%02d (Universal Time)", t.year, t.month, t.day, t.hour,
              t.minute, t.second);
    WriteLogF(ctx, "%.*s", WINDOWS_VERSION_TEXT_SIZE, s.WindowsVersionText);
    WriteLogF(ctx, "IE version : %.*s", IE_VERSION_TEXT_SIZE, s.IEVersionText);
    WriteLogF(ctx, "OS language id : %d", s.LanguageId);
    WriteLogF(ctx, "Install Path : %.*s", INSTALL_PATH_SIZE, s.InstallPath);
    WriteLogF(ctx, "Double click time limit : %d ms", s.DoubleClickTime);
    WriteLogF(ctx, "Double click x limit : %d", s.DoubleClickWidth);
    WriteLogF(ctx, "Double click y limit : %d", s.DoubleClickHeight);
    WriteLogF(ctx, "Screen width : %d", s.ScreenWidth);
    WriteLogF(ctx, "Screen height : %d", s.ScreenHeight);
    WriteLogF(ctx, "CXHSCROLL : %d", s.CxHScroll);
    WriteLogF(ctx, "CYHSCROLL : %d", s.CyHScroll);
    WriteLogF(ctx, "CXVSCROLL : %d", s.CxVScroll);
    WriteLogF(ctx, "CYVSCROLL : %d", s.CyVScroll);
    WriteLogF(ctx, "MIN_MOUSE_MOVE_DISTANCE : %d", MIN_MOUSE_MOVE_DISTANCE);
    WriteLogF(ctx, "MAX_MOUSE_TRACE_NUM : %d", MAX_MOUSE_TRACE_NUM);
    WriteLogF(ctx, "MAX_WINDOW_TEXT_LEN : %d", MAX_WINDOW_TEXT_LEN);
    WriteLogF(ctx, "MAX_WINDOW_CLASSNAME_LEN : %d", MAX_WINDOW_CLASSNAME_LEN);
    WriteLogF(ctx, "MOUSE_BUTTON_DRAG_TIME_LIMIT : %d ms", MOUSE_BUTTON_DRAG_TIME_LIMIT);
    WriteLogF(ctx, "MBUTTON_DBCLICK_TIME_LIMIT : %d ms", s.MBUTTON_DBCLICK_TIME_LIMIT);
    WriteLogF(ctx, "SetForegroundWindow full name : %.*s", SET_FOREGROUND_PATH_SIZE, s.SetForegroundWindowPath);
}

bool GetWindowsVersionText(System& system, SharedState& shared, char* text, size_t size) {
    if (size == 0) return false;
    text[0] = '\0';
    OsVersion v;
    if (!system.GetVersionInfo(&v)) return false;
    v.csdVersion[sizeof v.csdVersion - 1] = '\0';
    switch (v.platformId) {
        case win::VER_PLATFORM_WIN32s: Append(text, size, "Microsoft Win32s "); break;
        case win::VER_PLATFORM_WIN32_WINDOWS: Append9xText(v, text, size); break;
        case win::VER_PLATFORM_WIN32_NT: AppendNtText(shared, v, text, size); break;
        default: break;
    }
    return true;
}

bool GetIEVersionText(Registry& registry, char* text, size_t size) {
    RegKey key = 0;
    if (registry.RegOpenKey(win::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", win::KEY_QUERY_VALUE,
                            &key) != win::ERROR_SUCCESS) {
        return false;
    }
    char value[80] = {};
    RegValue info;
    long rc = registry.RegQueryValue(key, "Version", &info, value, sizeof value);
    registry.RegCloseKey(key);
    if (rc != win::ERROR_SUCCESS) return false;
    value[sizeof value - 1] = '\0';
    CopyText(text, size, value);
    return true;
}

void BuildInstallPaths(const char* moduleFileName, char (&folderOut)[INSTALL_PATH_SIZE],
                       char (&setForegroundOut)[SET_FOREGROUND_PATH_SIZE]) {
    // The folder is the module file name up to and including its last
    // backslash (for "C:\Tools\system.dat" that is "C:\Tools\"). A name
    // longer than the field holds gives an empty folder rather than a cut one.
    size_t length = moduleFileName ? std::strlen(moduleFileName) : 0;
    size_t folder = 0;
    for (size_t i = 0; i < length; ++i) {
        if (moduleFileName[i] == '\\' || moduleFileName[i] == '/') folder = i + 1;
    }
    if (length > INSTALL_PATH_MAX_CHARS) folder = 0;
    std::memcpy(folderOut, moduleFileName, folder);
    folderOut[folder] = '\0';

    char full[SET_FOREGROUND_PATH_SIZE + 64];
    int n = std::snprintf(full, sizeof full, "%s%s", folderOut, SET_FOREGROUND_WINDOW_EXE);
    if (folder == 0 || n <= 0 || n >= SET_FOREGROUND_PATH_SIZE) {
        // No folder, or too long for its field: leave it empty rather than
        // start a program from a cut path.
        setForegroundOut[0] = '\0';
    } else {
        CopyText(setForegroundOut, sizeof setForegroundOut, full);
    }
}

void SetInstallPaths(SharedState& s, const char* moduleFileName) {
    BuildInstallPaths(moduleFileName, s.InstallPath, s.SetForegroundWindowPath);
}

void FirstInitialisation(Context& ctx, uintptr_t moduleInstance, const WaitEvents& events) {
    SharedState& s = ctx.shared;
    s.FirstInitPending = 0;
    if (!GetWindowsVersionText(ctx.system, s, s.WindowsVersionText, sizeof s.WindowsVersionText)) {
        CopyText(s.WindowsVersionText, sizeof s.WindowsVersionText, "Can't get window version.\n");
    }
    if (!GetIEVersionText(ctx.registry, s.IEVersionText, sizeof s.IEVersionText)) {
        CopyText(s.IEVersionText, sizeof s.IEVersionText, "Can't get IE version.\n");
    }
    s.LanguageId = ctx.system.GetSystemDefaultLangId();
    ReadMetrics(ctx.system, s);
    s.SmartScrollCursorMessage = ctx.messages.RegisterWindowMessage(SMART_SCROLL_CURSOR_MESSAGE_NAME);

    // Read with room for one character more than the field may use, so that
    // a cut (too long) name is recognised and refused by SetInstallPaths.
    char moduleName[INSTALL_PATH_MAX_CHARS + 2] = {};
    ctx.system.GetModuleFileName(moduleInstance, moduleName, sizeof moduleName);
    moduleName[sizeof moduleName - 1] = '\0';
    SetInstallPaths(s, moduleName);

    SystemTimeUtc now;
    ctx.clock.GetSystemTime(&now);
    StartLog(ctx);
    LoadSetting(ctx);
    if (!events.outer) WriteLogF(ctx, "Error when creating OuterWaitEvent. GetLastError is %x", events.outerError);
    if (!events.inner) WriteLogF(ctx, "Error when creating InnerWaitEvent. GetLastError is %x", events.innerError);
    LogStartUpLines(ctx, now);
    if (s.SmartScrollCursorMessage == 0) {
        WriteLog(ctx, "Error when RegisterWindowMessage(\"QuorvelSetSmartScrollCursorMessage\").");
    }
}

}  // namespace quorvel
