// wh_dialog.exe: an owner window that opens a modal dialog box with one push
// button ("OK") and one static text. The dialog is placed at (200, 150) and
// is 320 x 160 pixels; the button lies at (200, 90) in its client area and
// is 80 x 28. Once the dialog is set up it prints, flushed:
//   dialog=<hex handle> rect=L,T,R,B button=L,T,R,B
// (screen rectangles) and ends when the dialog is closed or it is killed.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kDialogX = 200, kDialogY = 150, kDialogW = 320, kDialogH = 160;
constexpr int kButtonX = 200, kButtonY = 90, kButtonW = 80, kButtonH = 28;
constexpr WORD kStaticId = 100;

void Append(std::vector<WORD>& t, const wchar_t* text) {
    do t.push_back(static_cast<WORD>(*text));
    while (*text++);
}

void Align(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}

void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
             const wchar_t* text) {
    Align(t);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    const WORD* w = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), w, w + sizeof item / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(atom);
    Append(t, text);
    t.push_back(0);  // no creation data
}

// A dialog template in memory: caption, system menu, the text and the button.
std::vector<WORD> DialogTemplate() {
    std::vector<WORD> t;
    DLGTEMPLATE d{};
    d.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    d.cdit = 2;
    d.cx = 200;
    d.cy = 80;
    const WORD* w = reinterpret_cast<const WORD*>(&d);
    t.insert(t.end(), w, w + sizeof d / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // standard class
    Append(t, L"WH dialog");
    AddItem(t, SS_LEFT, 10, 10, 100, 10, kStaticId, 0x0082, L"Smart Move test");
    AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 50, 50, 14, IDOK, 0x0080, L"OK");
    return t;
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT m, WPARAM wp, LPARAM) {
    if (m == WM_INITDIALOG) {
        SetWindowPos(dlg, nullptr, kDialogX, kDialogY, kDialogW, kDialogH, SWP_NOZORDER | SWP_NOACTIVATE);
        HWND button = GetDlgItem(dlg, IDOK);
        MoveWindow(button, kButtonX, kButtonY, kButtonW, kButtonH, FALSE);
        RECT d, b;
        GetWindowRect(dlg, &d);
        GetWindowRect(button, &b);
        std::printf("dialog=%lx rect=%ld,%ld,%ld,%ld button=%ld,%ld,%ld,%ld\n",
                    static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(dlg)), d.left, d.top, d.right, d.bottom,
                    b.left, b.top, b.right, b.bottom);
        std::fflush(stdout);
        return TRUE;
    }
    if (m == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "WhDialogOwner";
    RegisterClassA(&wc);
    HWND owner = CreateWindowExA(0, wc.lpszClassName, "WH dialog owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 180,
                                 120, nullptr, nullptr, wc.hInstance, nullptr);
    std::vector<WORD> t = DialogTemplate();
    INT_PTR r =
        DialogBoxIndirectParamA(wc.hInstance, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), owner, DialogProc, 0);
    std::printf("closed=%ld\n", static_cast<long>(r));
    std::fflush(stdout);
    DestroyWindow(owner);
    return 0;
}
