// One global hotkey of a window (RegisterHotKey with the window and an id of
// its own). Ctrl+Alt is also AltGr: a Ctrl+Alt hotkey whose key types a
// character with AltGr on one of the user's keyboard layouts is not taken,
// so that no character is ever lost to it.
#pragma once

#include <windows.h>

#include "control/core/Hotkeys.h"

namespace quorvel {

class WindowHotkey : public HotkeyRegistrar {
public:
    explicit WindowHotkey(int id) : id_(id) {}
    ~WindowHotkey() override { Unregister(); }
    WindowHotkey(const WindowHotkey&) = delete;
    WindowHotkey& operator=(const WindowHotkey&) = delete;

    void SetWindow(HWND window) { window_ = window; }
    int Id() const { return id_; }

    HotkeyState Register(const Hotkey& hotkey) override;
    void Unregister() override;

private:
    HWND window_ = nullptr;
    int id_;
    bool registered_ = false;
};

// Whether Ctrl+Alt (and Shift, when the hotkey has it) with the key types a
// character on one of the keyboard layouts the user has loaded.
bool TypesCharacterWithAltGr(const Hotkey& hotkey);

}  // namespace quorvel
