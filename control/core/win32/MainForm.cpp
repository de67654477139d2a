#include "MainForm.h"

#include <shellapi.h>

#include "common/win32/ModulePaths.h"
#include "Elevation.h"
#include "control/core/ExitRequest.h"
#include "control/core/FormTables.h"
#include "control/core/InstanceHandOver.h"
#include "control/core/PrivateMessages.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "control/core/ProgramPaths.h"
#include "SettingForm.h"

namespace quorvel {

namespace {
// The main window procedure is a plain window procedure: it reaches the
// form through these, one main form per process.
WNDPROC PreviousMainWindowProcedure = nullptr;
MainForm* TheMainForm = nullptr;

// The drag handlers want the browser's top-level window whether or not a
// dialog lies on the way up.
constexpr uint32_t ACCEPT_DIALOGS = 0;

uint32_t Handle32(LPARAM value) { return static_cast<uint32_t>(value); }

}  // namespace

MainForm::MainForm(ControlProgram& program, HookLibrary& library, PromptRestForm& prompt, Clock& clock)
    : Form(MainFormTable()),
      program_(program),
      library_(library),
      prompt_(prompt),
      clock_(clock),
      TimerMonitorRSI(*this, 0, true, [this] { OnTimerMonitorRSI(); }),
      TimerPromptUserToRest(*this, PROMPT_USER_TO_REST_INTERVAL_MS, false, [this] { OnTimerPromptUserToRest(); }) {
    TheMainForm = this;
}

MainForm::~MainForm() {
    if (TheMainForm == this) TheMainForm = nullptr;
}

void MainForm::StartMonitorClock() { TimerMonitorRSI.SetInterval(MONITOR_RSI_INTERVAL_MS); }

void MainForm::SubclassWindow() {
    PreviousMainWindowProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainForm::MainWindowProcedure)));
    // Nothing from programs of a lower integrity level (a protected-mode
    // browser's hooks cannot use the record, so they never send a step);
    // an elevated instance lets in what the normal programs send it.
    AcceptMessagesFromNormalPrograms(Window());
}

namespace {

// The facts a private message to the main window is checked against
// (PrivateMessages.h): the window it names, and the screen.
PrivateMessage MainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    PrivateMessage m{PrivateWindow::Main, message, static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)};
    const HWND named = reinterpret_cast<HWND>(lParam);
    DWORD process = 0;
    m.windowExists = lParam != 0 && IsWindow(named) && GetWindowThreadProcessId(named, &process) != 0;
    m.windowIsOurs = process == GetCurrentProcessId();
    m.screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    m.screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    m.screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    m.screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return m;
}

bool IsPrivateMessageOfMainWindow(UINT message) {
    return message == INSTANCE_ACTIVATE_MESSAGE || message == DRAG_SCROLL_STEP_MESSAGE ||
           message == DRAG_SCROLL_END_MESSAGE || message == LAUNCH_REQUEST_MESSAGE || message == EXIT_REQUEST_MESSAGE;
}

}  // namespace

LRESULT CALLBACK MainForm::MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainForm* form = TheMainForm;
    if (form && form->Window() == window && IsPrivateMessageOfMainWindow(message)) {
        // Any program may post these: what they carry is checked first.
        if (!AcceptPrivateMessage(MainWindowMessage(message, wParam, lParam))) return 0;
        switch (message) {
            case INSTANCE_ACTIVATE_MESSAGE:
                // Moved, shown and brought to the front by the second start,
                // unless that one runs below this one's level: then here.
                if (!IsWindowVisible(window)) form->ShowCentred();
                form->SetHeightTwips(MAIN_FORM_SHOWN_HEIGHT_TWIPS);
                return 1;
            case DRAG_SCROLL_STEP_MESSAGE: return form->OnDragScrollStep(wParam, lParam);
            case DRAG_SCROLL_END_MESSAGE: return form->OnForgetActiveFrame(lParam);
            case LAUNCH_REQUEST_MESSAGE:
                return form->launches_ && form->launches_->OnRequest(static_cast<uint32_t>(wParam)) ? 1 : 0;
            case EXIT_REQUEST_MESSAGE:  // Quorvel.exe /exit
                form->program_.Stop();
                return 1;
            default: break;
        }
    }
    return CallWindowProcA(PreviousMainWindowProcedure, window, message, wParam, lParam);
}

// wParam: cursor position in screen pixels (x low word, y high word, each
// signed: monitors left of or above the primary one are negative);
// lParam: the browser window under the cursor.
LRESULT MainForm::OnDragScrollStep(WPARAM wParam, LPARAM lParam) {
    if (!dragScroll_) return 1;
    const int x = static_cast<int16_t>(library_.LowWord(static_cast<uint32_t>(wParam)));
    const int y = static_cast<int16_t>(library_.HiWord(static_cast<uint32_t>(wParam)));
    const uint32_t root = library_.GetRootWindow(Handle32(lParam), ACCEPT_DIALOGS);
    dragScroll_->WatchBrowserWindow(root, Handle32(lParam));
    RECT rect{};
    GetWindowRect(reinterpret_cast<HWND>(lParam), &rect);
    dragScroll_->DragScrollStep(root, x, y, rect.top, rect.left, rect.right - rect.left + 1);
    return 1;
}

LRESULT MainForm::OnForgetActiveFrame(LPARAM lParam) {
    if (!dragScroll_) return 1;
    dragScroll_->ForgetActiveFrame(library_.GetRootWindow(Handle32(lParam), ACCEPT_DIALOGS));
    return 1;
}

void MainForm::ShowCentred() {
    RECT rect{};
    GetWindowRect(Window(), &rect);
    const ScreenPoint at = CentredOrigin(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
                                         rect.right - rect.left, rect.bottom - rect.top);
    SetWindowPos(Window(), HWND_NOTOPMOST, at.x, at.y, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE);
    SetForegroundWindow(Window());
}

void MainForm::OnClick(int control) {
    switch (control) {
        case ExitCommand: program_.Stop(); break;
        case CancelCommand: Hide(); break;
        case Command1: ShowSettings(); break;
        case CommandHelp:
            ShowHelp();
            Hide();
            break;
        default: break;
    }
}

void MainForm::ShowSettings() {
    SettingForm settings(library_, hotkeys_);
    ShowModal(settings, Window());
}

// Opens "Quorvel.chm" beside the executable; a missing file or viewer is
// silently ignored.
void MainForm::ShowHelp() {
    const std::string help = HelpFilePathOf(OwnModulePath());
    ShellExecuteW(nullptr, L"open", WideOf(help).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

bool MainForm::OnQueryUnload() { return program_.OnMainFormUnload(); }

void MainForm::OnUnloaded() { PostQuitMessage(0); }

// Called once a minute: each call closes the library's current minute.
void MainForm::OnTimerMonitorRSI() {
    uint32_t keys = 0, clicks = 0, distance = 0, minutes = 0;
    if (wait_.OnMonitorTick(library_.UserShouldRest(&keys, &clicks, &distance, &minutes))) {
        TimerPromptUserToRest.SetEnabled(true);
    }
}

void MainForm::OnTimerPromptUserToRest() {
    if (wait_.OnPromptTick(clock_.NowMs(), library_.GetUserLastClickOrKeyTime(), quiet_ && quiet_())) {
        TimerPromptUserToRest.SetEnabled(false);
        prompt_.PromptUserToRest();
    }
}

}  // namespace quorvel
