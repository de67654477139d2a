// wh_edit.exe: a window at (100, 100), 400 x 120, filled by an edit control
// that has the keyboard focus. Prints, flushed, "ready caret=X,Y" with the
// caret's screen position, and "typed <character code>" for every
// character the edit receives.
#include <windows.h>

#include <cstdio>

namespace {

WNDPROC g_editProc = nullptr;

LRESULT CALLBACK EditProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CHAR) {
        std::printf("typed %u\n", static_cast<unsigned>(wp));
        std::fflush(stdout);
    }
    return CallWindowProcA(g_editProc, w, m, wp, lp);
}

LRESULT CALLBACK WindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "WhEditFrame";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "WH edit", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 400, 120,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    RECT client;
    GetClientRect(frame, &client);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 0, 0, client.right,
                                client.bottom, frame, nullptr, wc.hInstance, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    SetForegroundWindow(frame);
    SetFocus(edit);
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(edit, &caret);
    std::printf("ready caret=%ld,%ld\n", caret.x, caret.y);
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
