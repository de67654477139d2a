// The notification-area icon of the running program and the windows its
// menu opens. A hidden top-level window (class "QuorvelTrayWindow", no
// caption) receives the icon's callback message, the menu's WM_COMMAND ids
// (TrayCommand) and Explorer's "TaskbarCreated". The icon speaks the
// current notification-icon version, so it is reached by the keyboard too
// (Win+B, the arrows, Enter or Space, Shift+F10 or the menu key), and its
// picture is drawn at the size the display's dpi asks for.
#pragma once

#include <windows.h>

#include "common/win32/Owners.h"
#include "control/core/ControlProgram.h"
#include "control/core/EverydayControl.h"
#include "control/core/HookLibrary.h"
#include "control/core/Hotkeys.h"
#include "control/core/ProgramShell.h"

namespace quorvel {

constexpr const char* TRAY_WINDOW_CLASS = "QuorvelTrayWindow";
constexpr UINT TRAY_CALLBACK_MESSAGE = WM_APP + 1;
constexpr UINT TRAY_ICON_UID = 1;

class Win32EverydayShell : public EverydayShell {
public:
    Win32EverydayShell(ControlProgram& program, ProgramShell& programShell, HookLibrary& library);
    ~Win32EverydayShell() override;
    Win32EverydayShell(const Win32EverydayShell&) = delete;
    Win32EverydayShell& operator=(const Win32EverydayShell&) = delete;

    // Creates the hidden window that talks with the notification area.
    void Attach(EverydayControl& control);
    // The hotkeys the settings form shows.
    void SetHotkeys(const ProgramHotkeys& hotkeys) { hotkeys_ = hotkeys; }

    void ShowMainForm() override;
    void ShowSettings() override;
    void ShowExclusions() override;
    void StartTutorial() override;
    void ShowHelp() override;
    void Stop() override;
    void ShowIcon(const TrayLook& look) override;
    void RemoveIcon() override;
    void ShowNotification(const std::string& title, const std::string& text) override;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnIconEvent(UINT event, WPARAM wParam);
    void ShowMenu(POINT anchor, bool byKeyboard);

    ControlProgram& program_;
    ProgramShell& programShell_;
    HookLibrary& library_;
    EverydayControl* control_ = nullptr;
    OwnedWindow window_;
    ProgramHotkeys hotkeys_;
    UINT taskbarCreated_ = 0;
    bool iconAdded_ = false;
    UINT version_ = 0;           // the notification-icon version in effect
    DWORD rightButtonUpAt_ = 0;  // a right click on the icon comes before its WM_CONTEXTMENU
    bool rightButtonUpSeen_ = false;
    OwnedIcon picture_;  // the picture the notification area shows now
    bool modalOpen_ = false;
};

}  // namespace quorvel
