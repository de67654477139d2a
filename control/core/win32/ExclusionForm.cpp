#include "ExclusionForm.h"

#include "common/win32/Owners.h"
#include "control/core/ExclusionFormTable.h"

namespace quorvel {

namespace {

std::string TextOf(HWND control) {
    char text[MAX_PATH] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

}  // namespace

// Limited query access is granted even for programs of a higher integrity
// level; the function exists from Windows Vista on.
std::string ProgramPathOfWindow(HWND window) {
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    constexpr DWORD QUERY_LIMITED_INFORMATION = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
    static const auto query = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    DWORD processId = 0;
    if (!query || !window || !GetWindowThreadProcessId(window, &processId) || !processId) return "";
    const OwnedHandle process(OpenProcess(QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return "";
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof path;
    if (!query(process.Get(), 0, path, &size) || size >= sizeof path) return "";
    return std::string(path, size);
}

ExclusionForm::ExclusionForm(EverydayControl& control) : Form(ExclusionFormTable()), control_(control) {}

void ExclusionForm::OnLoad() {
    Fill(excluded_, control_.Preferences().excludedPrograms);
    Fill(browsers_, control_.Preferences().browserPrograms);
    SetChecked(ExclusionCheckFullScreen, control_.Preferences().fullScreenPause);
}

void ExclusionForm::OnClick(int control) {
    switch (control) {
        case ExclusionCommandAdd:
        case ExclusionCommandAddBrowser: {
            ProgramNames& names = control == ExclusionCommandAdd ? excluded_ : browsers_;
            Add(names, TextOf(Control(names.name)));
            SetFocus(Control(names.name));
            break;
        }
        case ExclusionCommandRemove: RemoveSelected(excluded_); break;
        case ExclusionCommandRemoveBrowser: RemoveSelected(browsers_); break;
        case ExclusionCommandDefaultBrowsers: Fill(browsers_, EverydayPreferences::DefaultBrowserPrograms()); break;
        case ExclusionCommandOK: CommandOK_Click(); break;
        case ExclusionCommandCancel: Unload(); break;
        default: break;
    }
}

void ExclusionForm::Fill(ProgramNames& names, const std::vector<std::string>& programs) {
    names.programs = programs;
    HWND list = Control(names.list);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names.programs) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void ExclusionForm::Add(ProgramNames& names, const std::string& typedOrPath) {
    switch (AddProgram(names.programs, typedOrPath)) {
        case AddResult::Added: {
            const LRESULT at = SendMessageA(Control(names.list), LB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(names.programs.back().c_str()));
            SendMessageA(Control(names.list), LB_SETCURSEL, static_cast<WPARAM>(at), 0);
            SetWindowTextA(Control(names.name), "");
            break;
        }
        case AddResult::AlreadyThere: SetWindowTextA(Control(names.name), ""); break;
        case AddResult::NotAName:
            MessageBoxA(Window(), "Please give the file name of a program, for example mspaint.exe.", Caption().c_str(),
                        MB_OK | MB_ICONEXCLAMATION);
            break;
        case AddResult::ListFull:
            MessageBoxA(Window(), "The list is full. Please remove a program first.", Caption().c_str(),
                        MB_OK | MB_ICONEXCLAMATION);
            break;
    }
}

void ExclusionForm::RemoveSelected(ProgramNames& names) {
    HWND list = Control(names.list);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || selected < 0 || static_cast<size_t>(selected) >= names.programs.size()) return;
    names.programs.erase(names.programs.begin() + selected);
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count > 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected < count ? selected : count - 1), 0);
}

// A name typed but not yet added goes in with OK (Enter presses OK).
void ExclusionForm::TakeTypedName(ProgramNames& names) {
    const std::string typed = TextOf(Control(names.name));
    if (!ExclusionName(typed).empty()) AddProgram(names.programs, typed);
}

void ExclusionForm::CommandOK_Click() {
    TakeTypedName(excluded_);
    TakeTypedName(browsers_);
    control_.ChangeExclusions(excluded_.programs, Checked(ExclusionCheckFullScreen));
    control_.ChangeBrowserPrograms(browsers_.programs);
    Unload();
}

bool ExclusionForm::OverPickLabel(LPARAM clientPoint) const {
    POINT p{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    RECT label{};
    GetWindowRect(Control(ExclusionLabelPick), &label);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&label), 2);
    return PtInRect(&label, p) != FALSE;
}

// The cross was dropped: the program under the pointer joins the list,
// unless it is this program.
void ExclusionForm::FinishPick() {
    picking_ = false;
    POINT p{};
    GetCursorPos(&p);
    HWND target = WindowFromPoint(p);
    DWORD processId = 0;
    if (!target || !GetWindowThreadProcessId(target, &processId) || processId == GetCurrentProcessId()) return;
    const std::string path = ProgramPathOfWindow(target);
    if (!path.empty()) Add(excluded_, path);
}

// The pick label is a plain label, so presses on it reach the form.
LRESULT ExclusionForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            if (OverPickLabel(lParam)) {
                picking_ = true;
                SetCapture(Window());
                SetCursor(LoadCursor(nullptr, IDC_CROSS));
            }
            return 0;
        case WM_MOUSEMOVE:
            if (picking_) SetCursor(LoadCursor(nullptr, IDC_CROSS));
            return 0;
        case WM_LBUTTONUP:
            if (picking_) {
                ReleaseCapture();  // WM_CAPTURECHANGED ends the pick state too
                FinishPick();
            }
            return 0;
        case WM_CAPTURECHANGED: picking_ = false; return 0;
        default: return Form::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace quorvel
