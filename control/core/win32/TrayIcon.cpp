#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "DebugLine.h"
#include "common/win32/ModulePaths.h"
#include "ExclusionForm.h"
#include "control/core/InstanceHandOver.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "control/core/ProgramPaths.h"
#include "SettingForm.h"
#include "control/core/StartAnimation.h"

namespace quorvel {

namespace {

// The newer parts of the notification-area interface, named here for the
// older headers this program is built with.
constexpr UINT ICON_VERSION_4 = 4;             // NOTIFYICON_VERSION_4 (Vista and later)
constexpr UINT ICON_VERSION_3 = 3;             // NOTIFYICON_VERSION (2000 and XP)
constexpr DWORD SET_VERSION = 0x4;             // NIM_SETVERSION
constexpr DWORD SET_FOCUS = 0x3;               // NIM_SETFOCUS
constexpr UINT SHOW_TIP = 0x80;                // NIF_SHOWTIP: the tooltip of version 4 icons
constexpr UINT SHOW_INFO = 0x10;               // NIF_INFO
constexpr DWORD INFO_WARNING = 0x2;            // NIIF_WARNING
constexpr UINT ICON_SELECT = WM_USER;          // NIN_SELECT: a click
constexpr UINT ICON_KEY_SELECT = WM_USER + 1;  // NIN_KEYSELECT: Enter or Space
// A right click's WM_CONTEXTMENU follows its button-up at once; one without
// such a button-up just before came from the keyboard.
constexpr DWORD CONTEXT_MENU_AFTER_CLICK_MS = 1000;

// The picture at the size of small icons for the display's dpi (16, 20, 24
// or 32 pixels from 100 to 200 %), picked from the icon's own sizes.
HICON TrayPicture(int iconId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (icon) return icon;
    return CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
}

NOTIFYICONDATAA IconData(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = TRAY_ICON_UID;
    return data;
}

}  // namespace

Win32EverydayShell::Win32EverydayShell(ControlProgram& program, ProgramShell& programShell, HookLibrary& library)
    : program_(program), programShell_(programShell), library_(library) {}

// The icon goes before the window it reports to.
Win32EverydayShell::~Win32EverydayShell() { RemoveIcon(); }

void Win32EverydayShell::Attach(EverydayControl& control) {
    control_ = &control;
    // Top-level: "TaskbarCreated" is broadcast to top-level windows.
    window_ = CreateHiddenOwnWindow(TRAY_WINDOW_CLASS, &Win32EverydayShell::WindowProcedure, this);
    if (!window_) return;
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    // Explorer runs at a lower integrity level than an elevated Quorvel:
    // let its broadcast through (Windows 7 and later).
    using AllowMessage = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    constexpr DWORD MESSAGE_FILTER_ALLOW = 1;  // MSGFLT_ALLOW
    const auto allow = reinterpret_cast<AllowMessage>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx")));
    if (allow && taskbarCreated_) allow(window_.Get(), taskbarCreated_, MESSAGE_FILTER_ALLOW, nullptr);
}

LRESULT CALLBACK Win32EverydayShell::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetPropA(window, "QuorvelTray", create->lpCreateParams);
    }
    auto* shell = static_cast<Win32EverydayShell*>(GetPropA(window, "QuorvelTray"));
    if (message == WM_NCDESTROY) RemovePropA(window, "QuorvelTray");
    if (shell && shell->window_.Get() == window) return shell->HandleMessage(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Win32EverydayShell::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TRAY_CALLBACK_MESSAGE) {
        // Version 4 puts the event in the low word and the icon's place in
        // wParam; the versions before pass the event alone.
        OnIconEvent(version_ >= ICON_VERSION_4 ? LOWORD(lParam) : static_cast<UINT>(lParam), wParam);
        return 0;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        control_->OnCommand(LOWORD(wParam));
        return 0;
    }
    if (taskbarCreated_ && message == taskbarCreated_) {
        iconAdded_ = false;  // the new notification area knows no icon
        control_->OnTaskbarCreated();
        return 0;
    }
    return DefWindowProcA(window_.Get(), message, wParam, lParam);
}

// A click (with version 3 and 4 a single one too) or Enter or Space on the
// icon shows the main form; a right click, Shift+F10 or the menu key the menu.
void Win32EverydayShell::OnIconEvent(UINT event, WPARAM wParam) {
    POINT pointer{};
    GetCursorPos(&pointer);
    switch (event) {
        case ICON_SELECT:
        case ICON_KEY_SELECT:
        case WM_LBUTTONDBLCLK: control_->OnIconSelected(); break;
        case WM_LBUTTONUP:
            if (version_ == 0) control_->OnIconSelected();  // no NIN_SELECT to wait for
            break;
        case WM_RBUTTONUP:
            rightButtonUpAt_ = GetTickCount();
            rightButtonUpSeen_ = true;
            if (version_ == 0) ShowMenu(pointer, false);  // no WM_CONTEXTMENU follows
            break;
        case WM_CONTEXTMENU: {
            const bool byMouse = rightButtonUpSeen_ && GetTickCount() - rightButtonUpAt_ < CONTEXT_MENU_AFTER_CLICK_MS;
            rightButtonUpSeen_ = false;
            // From the keyboard the menu opens at the icon (version 4 says
            // where it is), from the mouse at the pointer.
            POINT anchor = pointer;
            if (!byMouse && version_ >= ICON_VERSION_4) {
                anchor = POINT{static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam))};
            }
            ShowMenu(anchor, !byMouse);
            break;
        }
        default: break;
    }
}

// The command is posted, as the menu itself would: it runs once the menu is
// gone. A menu the keyboard opened and Esc closed hands the keyboard back to
// the notification area.
void Win32EverydayShell::ShowMenu(POINT anchor, bool byKeyboard) {
    const OwnedMenu menu(CreatePopupMenu());
    if (!menu) return;
    for (const TrayMenuItem& item : control_->MenuItems()) {
        if (item.separatorBefore) AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu.Get(), MF_STRING | (item.checked ? MF_CHECKED : 0), item.command, item.text.c_str());
        if (item.isDefault) SetMenuDefaultItem(menu.Get(), item.command, FALSE);
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    control_->OnMenuOpening({pointer.x, pointer.y}, byKeyboard);
    // The menu closes when the user clicks elsewhere only if our window is in front.
    SetForegroundWindow(window_.Get());
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu.Get(), align | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, anchor.x,
                         anchor.y, window_.Get(), nullptr));
    PostMessageA(window_.Get(), WM_NULL, 0, 0);
    if (chosen) {
        PostMessageA(window_.Get(), WM_COMMAND, chosen, 0);
    } else if (byKeyboard && iconAdded_) {
        NOTIFYICONDATAA data = IconData(window_.Get());
        Shell_NotifyIconA(SET_FOCUS, &data);
    }
}

void Win32EverydayShell::ShowIcon(const TrayLook& look) {
    if (!window_) return;
    NOTIFYICONDATAA data = IconData(window_.Get());
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE | SHOW_TIP;
    data.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    OwnedIcon picture(TrayPicture(look.iconId));
    data.hIcon = picture.Get();
    lstrcpynA(data.szTip, look.tooltip.c_str(), sizeof data.szTip);
    // A notification area that lost the icon without telling (Explorer
    // restarted before this window existed) gets it added again.
    bool shown = iconAdded_ && Shell_NotifyIconA(NIM_MODIFY, &data);
    if (!shown) {
        iconAdded_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
        if (!iconAdded_) {  // a system that knows no NIF_SHOWTIP
            data.uFlags &= ~SHOW_TIP;
            iconAdded_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
        }
        shown = iconAdded_;
        if (iconAdded_) {
            // The newest behaviour the system offers: version 4 (Vista and
            // later), else 3 (2000, XP); without either, the old messages.
            data.uVersion = ICON_VERSION_4;
            version_ = ICON_VERSION_4;
            if (!Shell_NotifyIconA(SET_VERSION, &data)) {
                data.uVersion = ICON_VERSION_3;
                version_ = Shell_NotifyIconA(SET_VERSION, &data) ? ICON_VERSION_3 : 0;
            }
            WriteDebugLine("Notification icon version " + std::to_string(version_));
        }
    }
    // The notification area keeps a copy of the picture.
    if (shown) picture_ = std::move(picture);
}

void Win32EverydayShell::RemoveIcon() {
    if (!iconAdded_ || !window_) return;
    NOTIFYICONDATAA data = IconData(window_.Get());
    Shell_NotifyIconA(NIM_DELETE, &data);
    iconAdded_ = false;
}

void Win32EverydayShell::ShowNotification(const std::string& title, const std::string& text) {
    if (!iconAdded_ || !window_) return;
    NOTIFYICONDATAA data = IconData(window_.Get());
    data.uFlags = SHOW_INFO;
    lstrcpynA(data.szInfo, text.c_str(), sizeof data.szInfo);
    lstrcpynA(data.szInfoTitle, title.c_str(), sizeof data.szInfoTitle);
    data.dwInfoFlags = INFO_WARNING;
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void Win32EverydayShell::ShowMainForm() {
    const RunningInstance running = programShell_.FindRunningInstance();
    if (!running.found) return;
    int workWidth = 0, workHeight = 0;
    programShell_.WorkAreaSize(workWidth, workHeight);
    programShell_.HandOverTo(CentredOrigin(workWidth, workHeight, running.width, running.height));
}

// One form at a time: a second request while one is open is ignored.
void Win32EverydayShell::ShowSettings() {
    if (modalOpen_) return;
    modalOpen_ = true;
    SettingForm settings(library_, hotkeys_);
    ShowModal(settings, nullptr);
    modalOpen_ = false;
}

void Win32EverydayShell::ShowExclusions() {
    if (modalOpen_ || !control_) return;
    modalOpen_ = true;
    ExclusionForm exclusions(*control_);
    ShowModal(exclusions, nullptr);
    modalOpen_ = false;
}

void Win32EverydayShell::StartTutorial() {
    const std::string folder = ProgramDirectoryOf(OwnModulePath());
    const std::string tutorial = folder + TUTORIAL_FILE_NAME;
    ShellExecuteW(nullptr, L"open", WideOf(tutorial).c_str(), WideOf(TUTORIAL_ARGUMENTS).c_str(),
                  WideOf(folder).c_str(), SW_SHOWNORMAL);
}

void Win32EverydayShell::ShowHelp() {
    const std::string help = HelpFilePathOf(OwnModulePath());
    ShellExecuteW(nullptr, L"open", WideOf(help).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void Win32EverydayShell::Stop() { program_.Stop(); }

}  // namespace quorvel
