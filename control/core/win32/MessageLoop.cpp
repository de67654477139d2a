#include "MessageLoop.h"

#include "Form.h"

namespace quorvel {

namespace {

void Deliver(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsFormWindow(root) && IsDialogMessageA(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace

int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Deliver(message);
    return static_cast<int>(message.wParam);
}

void ProcessPendingMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

void ShowModal(Form& form, HWND owner) {
    if (!form.Loaded()) form.Load(owner);
    form.CentreOnScreen();
    if (owner) {
        EnableWindow(owner, FALSE);
        form.SetModalOwner(owner);
    }
    form.Show();
    SetForegroundWindow(form.Window());
    MSG message{};
    while (form.Loaded()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Deliver(message);
    }
    if (owner) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
}

}  // namespace quorvel
