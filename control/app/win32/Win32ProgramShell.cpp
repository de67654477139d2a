#include "Win32ProgramShell.h"

#include "control/core/win32/ModulePath.h"

namespace quorvel {

void RemoveCloseMenuItem(HWND window) {
    // Found by its command, not by place: some systems add items after Close.
    RemoveMenu(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND);
    DrawMenuBar(window);
}

Win32ProgramShell::Win32ProgramShell(HookLibrary& library, Clock& clock)
    : library_(library), clock_(clock), prompt_(clock), autoClick_(library, clock), taskList_(library) {}

void Win32ProgramShell::Attach(ControlProgram& program) {
    main_ = std::make_unique<MainForm>(program, library_, prompt_, clock_);
    main_->SetHotkeys(Hotkeys());
    // The notice and the start animation stay loaded for the whole run.
    const auto exiting = [&program] { return program.ExitRequested(); };
    animation_.HideOnClose(exiting);
    prompt_.HideOnClose(exiting);
}

RunningInstance Win32ProgramShell::FindRunningInstance() {
    runningInstance_ = FindWindowA(MAIN_WINDOW_CLASS, MAIN_WINDOW_CAPTION);
    if (!runningInstance_) return {false, 0, 0, 0};
    RECT rect{};
    GetWindowRect(runningInstance_, &rect);
    return {true, static_cast<uint32_t>(GetWindowLongPtrA(runningInstance_, GWLP_USERDATA)),
            static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

void Win32ProgramShell::WorkAreaSize(int& width, int& height) {
    width = GetSystemMetrics(SM_CXFULLSCREEN);
    height = GetSystemMetrics(SM_CYFULLSCREEN);
}

// A running instance with administrator rights cannot be moved from here:
// it is allowed to come to the front itself when it gets the message.
void Win32ProgramShell::HandOverTo(const ScreenPoint& origin) {
    DWORD processId = 0;
    GetWindowThreadProcessId(runningInstance_, &processId);
    if (processId) AllowSetForegroundWindow(processId);
    SetWindowPos(runningInstance_, HWND_NOTOPMOST, origin.x, origin.y, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE);
    SetForegroundWindow(runningInstance_);
    PostMessageA(runningInstance_, INSTANCE_ACTIVATE_MESSAGE, 0, 0);
}

std::string Win32ProgramShell::ModuleFileName() { return OwnModulePath(); }

Form* Win32ProgramShell::FormOf(FormId form) {
    switch (form) {
        case FormId::Animation: return &animation_;
        case FormId::PromptRest: return &prompt_;
        case FormId::Main: return main_.get();
        case FormId::AutoClick: return &autoClick_;
        case FormId::TaskList: return &taskList_;
    }
    return nullptr;
}

uint32_t Win32ProgramShell::CreateForm(FormId form) {
    Form* created = FormOf(form);
    if (!created) return 0;
    HWND owner = form == FormId::TaskList ? application_.Window() : nullptr;
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(created->Load(owner)));
}

void Win32ProgramShell::UnloadForm(FormId form) {
    if (Form* loaded = FormOf(form)) loaded->Unload();
}

void Win32ProgramShell::HideForm(FormId form) {
    if (Form* shown = FormOf(form)) shown->Hide();
}

void Win32ProgramShell::MarkMainWindow() {
    MarkOwnWindow(main_->Window());
}

void Win32ProgramShell::SubclassMainWindow() { main_->SubclassWindow(); }

void Win32ProgramShell::ShowStart() { animation_.ShowStart(); }

void Win32ProgramShell::StartMonitorClock() { main_->StartMonitorClock(); }

void Win32ProgramShell::ShowStartFailure(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), PROGRAM_TITLE, MB_OK);
}

void Win32ProgramShell::RemoveCloseMenuItem() { quorvel::RemoveCloseMenuItem(main_->Window()); }

}  // namespace quorvel
