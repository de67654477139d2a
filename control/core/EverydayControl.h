// The everyday controls of the running program: the notification-area
// icon with its menu, pause and resume, the per-program exclusions, the
// full-screen pause and the browser programs. This is the logic; the icon, the menu and the forms are
// drawn by the Win32 side (win32/TrayIcon.cpp, win32/ExclusionForm.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "EverydayPreferences.h"
#include "HookLibrary.h"
#include "InstanceHandOver.h"

namespace quorvel {

// Command ids of the menu (also the WM_COMMAND ids the icon's window takes).
enum TrayCommand : uint16_t {
    TrayShowQuorvel = 0x7101,
    TrayPauseResume,
    TraySettings,
    TrayTaskSwitcher,
    TrayAutoClick,
    TrayDwell,
    TrayExclusions,
    TrayTutorial,
    TrayHelp,
    TrayStop,
    TrayStartWithWindows,
    TrayRestartElevated,
};

// ICON resource ids of Quorvel.exe.
constexpr int APPLICATION_ICON_ID = 1;
constexpr int PAUSED_ICON_ID = 2;

struct TrayMenuItem {
    TrayCommand command;
    std::string text;
    bool checked = false;
    bool separatorBefore = false;
    bool isDefault = false;  // drawn bold: what a double-click does
};

// What the icon shows: which picture and the tooltip.
struct TrayLook {
    int iconId;
    std::string tooltip;
};

// Where Quorvel starts with Windows from: the user's own entry (HKCU Run),
// the setup program's entry for every account (HKLM Run).
struct AutoStart {
    bool user = false;
    bool machine = false;
};

// Told when "Start with Windows" is chosen while the setup program's entry
// for every account is there.
std::string AutoStartForEveryAccountText();

// The windows the menu opens; the Win32 side provides them.
class EverydayShell {
public:
    virtual ~EverydayShell() = default;
    virtual void ShowMainForm() = 0;  // as a second start shows it
    virtual void ShowSettings() = 0;
    virtual void ShowExclusions() = 0;
    virtual void StartTutorial() = 0;
    virtual void ShowHelp() = 0;
    virtual void Stop() = 0;                          // as the "&Stop" button
    virtual void ShowIcon(const TrayLook& look) = 0;  // adds or updates it
    virtual void RemoveIcon() = 0;
    // A notification from the icon (a balloon or a toast, as the system shows them).
    virtual void ShowNotification(const std::string& title, const std::string& text) = 0;
};

// Features built elsewhere reach the menu through these; an item whose
// callbacks are missing is left out.
struct TrayFeatures {
    std::function<void(bool byKeyboard)> openTaskSwitcher;  // as a keyboard user would open it, or at the pointer
    // clickAt: where the pointer was when the menu opened; null: at the pointer now.
    std::function<void(const ScreenPoint* clickAt)> openAutoClick;
    std::function<bool()> dwellEnabled;
    std::function<void(bool)> setDwellEnabled;
    std::function<void(bool)> pausedChanged;  // told after each Pause and Resume
    // "Start with Windows": the user's own Run entry and the installer's one
    // for every account; setAutoStart writes or removes the user's entry.
    std::function<AutoStart()> autoStart;
    std::function<bool(bool)> setAutoStart;
    // "Restart with administrator rights": set only while not elevated.
    std::function<void()> restartElevated;
    std::function<void(const std::string&)> explain;  // a notice in plain words
};

class EverydayControl {
public:
    EverydayControl(HookLibrary& library, PreferenceStore& store, EverydayShell& shell)
        : library_(library), store_(store), shell_(shell) {}

    // Once the hooks run: reads the preferences, hands the exclusion list
    // and the full-screen preference to the library, shows the icon.
    void Start();
    // At the end of the program: the icon goes.
    void End();
    // Explorer started again (TaskbarCreated): the icon comes back.
    void OnTaskbarCreated();

    TrayFeatures& Features() { return features_; }
    std::vector<TrayMenuItem> MenuItems() const;
    TrayLook Look() const;
    bool Paused() const { return paused_; }
    // The menu is about to open: where the pointer is, and whether the
    // keyboard opened it (the icon focused with Win+B, then Shift+F10 or the
    // menu key) rather than the mouse.
    void OnMenuOpening(const ScreenPoint& pointer, bool byKeyboard) { menu_ = {pointer, byKeyboard, true}; }
    void OnCommand(uint16_t command);
    // A click on the icon (single or double), or Enter or Space on it.
    void OnIconSelected() { shell_.ShowMainForm(); }
    // A notification from the icon; false when there is no icon to show it.
    bool Notify(const std::string& title, const std::string& text);

    const EverydayPreferences& Preferences() const { return preferences_; }
    // From the exclusions form's OK: stored, handed to the library.
    void ChangeExclusions(const std::vector<std::string>& programs, bool fullScreenPause);
    void ChangeBrowserPrograms(const std::vector<std::string>& programs);
    // Told the packed browser list at Start and after each change (the
    // drag-to-scroll receiver decides with it as the hooks do).
    void OnBrowserProgramsChanged(std::function<void(const std::string& packed)> listener) {
        browsersChanged_ = std::move(listener);
    }

private:
    void TogglePause();
    void HandOverExclusions();
    void HandOverBrowserPrograms();
    void ToggleAutoStart();

    HookLibrary& library_;
    PreferenceStore& store_;
    EverydayShell& shell_;
    TrayFeatures features_;
    EverydayPreferences preferences_;
    std::function<void(const std::string&)> browsersChanged_;
    bool paused_ = false;
    bool iconShown_ = false;
    struct MenuOpening {
        ScreenPoint pointer;
        bool byKeyboard;
        bool known;  // a command that came without the menu has none
    } menu_{{0, 0}, false, false};
};

}  // namespace quorvel
