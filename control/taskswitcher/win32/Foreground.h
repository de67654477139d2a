// The foreground as the task switcher needs it: taking it for real when it
// opens, giving it back on Esc, and noticing that the user went elsewhere
// when Windows never let the switcher have it.
#pragma once

#include <windows.h>

namespace quorvel {

bool OfThisProcess(HWND window);

// Windows lets a program take the foreground only while it has the user's
// last input, or when the one that has it allows it: the wheel's hook allows
// it from the taskbar's thread, and a hotkey counts as input to this
// program. A private message from another program brings neither: then an
// empty mouse input of our own (no movement, no button) makes this program
// the one with the last input, and the second try succeeds. Returns whether
// the window is in front.
bool TakeForeground(HWND window);

// Remembers the window in front when the switcher opens and watches the
// foreground while it is shown.
class ForegroundWatch {
public:
    // Before the switcher shows.
    void Opening() { before_ = GetForegroundWindow(); }
    // Once it is shown.
    void Shown(HWND self) { inFront_ = GetForegroundWindow() == self; }
    HWND Before() const { return before_; }
    // Gives the foreground back to the window that had it (not one of ours).
    void GiveBack() const;
    // A look at the window in front: true once the user went to another
    // program (one of its windows is in front, and it is not the one that
    // was when the switcher opened while the switcher has not been in front).
    bool UserWentElsewhere();

private:
    HWND before_ = nullptr;
    bool inFront_ = false;
};

}  // namespace quorvel
