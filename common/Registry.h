// Where Quorvel keeps what it remembers. The installer writes the
// machine-wide key; the programs only read it. What the user changes lives
// in the per-user key.
#pragma once

namespace quorvel {

// HKEY_LOCAL_MACHINE: written by the installer.
constexpr char MACHINE_KEY[] = "SOFTWARE\\Harnwick\\Quorvel";
// HKEY_CURRENT_USER: the user's own preferences.
constexpr char USER_KEY[] = "Software\\Harnwick\\Quorvel";

// "Start with Windows": a value of this name under the Run key, in HKCU for
// the user (Quorvel.exe's menu), in HKLM for every account (the installer).
constexpr char AUTO_START_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char AUTO_START_VALUE[] = "Quorvel";

constexpr char SETTING_VALUE[] = "Setting";                          // REG_DWORD, the feature switches
constexpr char FIRST_START_VALUE[] = "FirstStart";                   // REG_DWORD 1: offer the tutorial
constexpr char INSTALL_STAMP_VALUE[] = "InstallStamp";               // unique to one installation
constexpr char TUTORIAL_OFFERED_FOR_VALUE[] = "TutorialOfferedFor";  // the stamp the tutorial was offered for
constexpr char TRAY_ICON_VALUE[] = "TrayIcon";                       // REG_DWORD, default 1
constexpr char FULL_SCREEN_PAUSE_VALUE[] = "FullScreenPause";        // REG_DWORD, default 1
constexpr char EXCLUDED_PROGRAMS_VALUE[] = "ExcludedPrograms";       // REG_MULTI_SZ
constexpr char BROWSER_PROGRAMS_VALUE[] = "BrowserPrograms";         // REG_MULTI_SZ, default: common/BrowserPages.h
constexpr char AUTO_CLICK_DWELL_VALUE[] = "AutoClickDwell";          // REG_DWORD, default 0
// REG_DWORD: the modifiers (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8)
// times 256 plus the virtual-key code; 0 is no hotkey.
constexpr char AUTO_CLICK_HOTKEY_VALUE[] = "AutoClickHotkey";        // default Ctrl+Alt+F11
constexpr char TASK_SWITCHER_HOTKEY_VALUE[] = "TaskSwitcherHotkey";  // default Ctrl+Alt+F10

}  // namespace quorvel
