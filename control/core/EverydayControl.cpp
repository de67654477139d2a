#include "EverydayControl.h"

namespace quorvel {

void EverydayControl::Start() {
    preferences_ = LoadPreferences(store_);
    library_.SetFullScreenPause(preferences_.fullScreenPause ? 1 : 0);
    HandOverExclusions();
    HandOverBrowserPrograms();
    if (preferences_.trayIcon) {
        shell_.ShowIcon(Look());
        iconShown_ = true;
    }
}

void EverydayControl::End() {
    if (!iconShown_) return;
    shell_.RemoveIcon();
    iconShown_ = false;
}

void EverydayControl::OnTaskbarCreated() {
    if (iconShown_) shell_.ShowIcon(Look());
}

std::vector<TrayMenuItem> EverydayControl::MenuItems() const {
    std::vector<TrayMenuItem> items;
    items.push_back({TrayShowQuorvel, "&Show Quorvel", false, false, true});
    items.push_back({TrayPauseResume, paused_ ? "&Resume" : "&Pause", false, true});
    items.push_back({TraySettings, "Se&ttings..."});
    if (features_.openTaskSwitcher) items.push_back({TrayTaskSwitcher, "Task s&witcher", false, true});
    if (features_.openAutoClick) {
        items.push_back({TrayAutoClick, "&Auto click", false, !features_.openTaskSwitcher});
        if (features_.dwellEnabled && features_.setDwellEnabled) {
            items.push_back({TrayDwell, "Auto click on &dwell", features_.dwellEnabled()});
        }
    }
    items.push_back({TrayExclusions, "&Exclusions...", false, true});
    items.push_back({TrayTutorial, "T&utorial", false, true});
    items.push_back({TrayHelp, "&Help"});
    if (features_.autoStart && features_.setAutoStart) {
        const AutoStart where = features_.autoStart();
        items.push_back({TrayStartWithWindows,
                         where.machine ? "Start with Wi&ndows (every account)" : "Start with Wi&ndows",
                         where.user || where.machine, true});
    }
    if (features_.restartElevated) {
        items.push_back({TrayRestartElevated, "Restart with ad&ministrator rights", false, !features_.autoStart});
    }
    items.push_back({TrayStop, "St&op", false, true});
    return items;
}

TrayLook EverydayControl::Look() const {
    return paused_ ? TrayLook{PAUSED_ICON_ID, "Quorvel - paused"} : TrayLook{APPLICATION_ICON_ID, "Quorvel - running"};
}

void EverydayControl::OnCommand(uint16_t command) {
    const MenuOpening menu = menu_;
    menu_.known = false;
    switch (command) {
        case TrayShowQuorvel: shell_.ShowMainForm(); break;
        case TrayPauseResume: TogglePause(); break;
        case TraySettings: shell_.ShowSettings(); break;
        case TrayTaskSwitcher:
            if (features_.openTaskSwitcher) features_.openTaskSwitcher(menu.known && menu.byKeyboard);
            break;
        case TrayAutoClick:
            // Where the pointer was before the menu opened, not on the item.
            if (features_.openAutoClick) features_.openAutoClick(menu.known ? &menu.pointer : nullptr);
            break;
        case TrayDwell:
            if (features_.dwellEnabled && features_.setDwellEnabled)
                features_.setDwellEnabled(!features_.dwellEnabled());
            break;
        case TrayExclusions: shell_.ShowExclusions(); break;
        case TrayTutorial: shell_.StartTutorial(); break;
        case TrayHelp: shell_.ShowHelp(); break;
        case TrayStop:
            End();
            shell_.Stop();
            break;
        case TrayStartWithWindows: ToggleAutoStart(); break;
        case TrayRestartElevated:
            if (features_.restartElevated) features_.restartElevated();
            break;
        default: break;
    }
}

bool EverydayControl::Notify(const std::string& title, const std::string& text) {
    if (!iconShown_) return false;
    shell_.ShowNotification(title, text);
    return true;
}

void EverydayControl::TogglePause() {
    paused_ = !paused_;
    if (paused_) {
        library_.PauseQuorvel();
    } else {
        library_.ResumeQuorvel();
    }
    if (features_.pausedChanged) features_.pausedChanged(paused_);
    if (iconShown_) shell_.ShowIcon(Look());
}

std::string AutoStartForEveryAccountText() {
    return "Quorvel starts with Windows for every account of this computer: that was chosen when it was installed. "
           "To change it, run the setup program again with administrator rights.";
}

// The user's own entry is switched; while the setup program's entry for
// every account is there, a user entry would only start Quorvel twice: it
// goes, and the user is told where the choice lies.
void EverydayControl::ToggleAutoStart() {
    if (!features_.autoStart || !features_.setAutoStart) return;
    const AutoStart where = features_.autoStart();
    if (where.machine) {
        if (where.user) features_.setAutoStart(false);
        if (features_.explain) features_.explain(AutoStartForEveryAccountText());
        return;
    }
    if (!features_.setAutoStart(!where.user) && features_.explain) {
        features_.explain("Windows did not let Quorvel change whether it starts with Windows for you.");
    }
}

void EverydayControl::ChangeExclusions(const std::vector<std::string>& programs, bool fullScreenPause) {
    std::vector<std::string> list;
    for (const std::string& name : programs) AddProgram(list, name);
    preferences_.excludedPrograms = list;
    preferences_.fullScreenPause = fullScreenPause;
    store_.WriteMultiString(EXCLUDED_PROGRAMS_VALUE, PackedProgramList(list));
    store_.WriteDword(FULL_SCREEN_PAUSE_VALUE, fullScreenPause ? 1 : 0);
    library_.SetFullScreenPause(fullScreenPause ? 1 : 0);
    HandOverExclusions();
}

void EverydayControl::HandOverExclusions() {
    const std::string packed = PackedProgramList(preferences_.excludedPrograms);
    library_.SetExcludedPrograms(packed.data(), static_cast<uint32_t>(packed.size()));
}

void EverydayControl::ChangeBrowserPrograms(const std::vector<std::string>& programs) {
    std::vector<std::string> list;
    for (const std::string& name : programs) AddProgram(list, name);
    preferences_.browserPrograms = list;
    store_.WriteMultiString(BROWSER_PROGRAMS_VALUE, PackedProgramList(list));
    HandOverBrowserPrograms();
}

void EverydayControl::HandOverBrowserPrograms() {
    const std::string packed = PackedProgramList(preferences_.browserPrograms);
    library_.SetBrowserPrograms(packed.data(), static_cast<uint32_t>(packed.size()));
    if (browsersChanged_) browsersChanged_(packed);
}

}  // namespace quorvel
