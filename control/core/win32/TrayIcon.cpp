#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

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

// Icons loaded from resources are shared: they need no DestroyIcon.
HICON TrayPicture(int iconId) {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
    return icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

}  // namespace

Win32EverydayShell::Win32EverydayShell(ControlProgram& program, ProgramShell& programShell, HookLibrary& library)
    : program_(program), programShell_(programShell), library_(library) {}

// The icon goes before the window it reports to.
Win32EverydayShell::~Win32EverydayShell() { RemoveIcon(); }

void Win32EverydayShell::Attach(EverydayControl& control) {
    control_ = &control;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Win32EverydayShell::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = TRAY_WINDOW_CLASS;
    RegisterClassA(&windowClass);
    // Top-level (not message-only): "TaskbarCreated" is broadcast to top-level windows.
    // No caption: it is never taken for the main window "Quorvel".
    window_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW, TRAY_WINDOW_CLASS, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, this));
    if (!window_) return;
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, static_cast<LONG_PTR>(static_cast<LONG>(OWN_WINDOW_MARKER)));
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
        switch (LOWORD(lParam)) {
            case WM_LBUTTONDBLCLK: control_->OnIconDoubleClick(); break;
            case WM_RBUTTONUP:
            case WM_CONTEXTMENU: ShowMenu(); break;
            default: break;
        }
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

void Win32EverydayShell::ShowMenu() {
    const OwnedMenu menu(CreatePopupMenu());
    if (!menu) return;
    for (const TrayMenuItem& item : control_->MenuItems()) {
        if (item.separatorBefore) AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu.Get(), MF_STRING | (item.checked ? MF_CHECKED : 0), item.command, item.text.c_str());
        if (item.isDefault) SetMenuDefaultItem(menu.Get(), item.command, FALSE);
    }
    POINT at{};
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if our window is in front.
    SetForegroundWindow(window_.Get());
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, window_.Get(), nullptr);
    PostMessageA(window_.Get(), WM_NULL, 0, 0);
}

void Win32EverydayShell::ShowIcon(const TrayLook& look) {
    if (!window_) return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.Get();
    data.uID = TRAY_ICON_UID;
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    data.hIcon = TrayPicture(look.iconId);
    lstrcpynA(data.szTip, look.tooltip.c_str(), sizeof data.szTip);
    // A notification area that lost the icon without telling (Explorer
    // restarted before this window existed) gets it added again.
    if (iconAdded_ && Shell_NotifyIconA(NIM_MODIFY, &data)) return;
    iconAdded_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void Win32EverydayShell::RemoveIcon() {
    if (!iconAdded_ || !window_) return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.Get();
    data.uID = TRAY_ICON_UID;
    Shell_NotifyIconA(NIM_DELETE, &data);
    iconAdded_ = false;
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
    SettingForm settings(library_);
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
