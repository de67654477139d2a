#include "WindowHotkey.h"

#include <vector>

namespace quorvel {

namespace {

constexpr UINT KEEP_KEYBOARD_STATE = 0x4;  // ToUnicodeEx: leave the dead-key state alone (Windows 10 1607+)
constexpr int MOST_LAYOUTS = 64;

bool TypesCharacterOn(HKL layout, UINT key, bool shift) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    keys[VK_MENU] = keys[VK_RMENU] = 0x80;
    if (shift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    const UINT scan = MapVirtualKeyExA(key, 0 /* MAPVK_VK_TO_VSC */, layout);
    WCHAR typed[8] = {};
    const int count = ToUnicodeEx(key, scan, keys, typed, 8, KEEP_KEYBOARD_STATE, layout);
    if (count < 0) {
        // A dead key: typed once more, so that no accent waits for the next
        // key where the flag above is not known.
        ToUnicodeEx(key, scan, keys, typed, 8, KEEP_KEYBOARD_STATE, layout);
        return true;
    }
    return count > 0 && typed[0] >= 0x20;
}

}  // namespace

bool TypesCharacterWithAltGr(const Hotkey& hotkey) {
    const uint32_t altGr = HOTKEY_CONTROL | HOTKEY_ALT;
    if ((hotkey.modifiers & altGr) != altGr || (hotkey.modifiers & HOTKEY_WIN)) return false;
    std::vector<HKL> layouts(MOST_LAYOUTS);
    int count = GetKeyboardLayoutList(MOST_LAYOUTS, layouts.data());
    if (count <= 0) {
        layouts[0] = GetKeyboardLayout(0);
        count = 1;
    }
    for (int i = 0; i < count; ++i) {
        if (TypesCharacterOn(layouts[i], hotkey.key, (hotkey.modifiers & HOTKEY_SHIFT) != 0)) return true;
    }
    return false;
}

HotkeyState WindowHotkey::Register(const Hotkey& hotkey) {
    Unregister();
    if (hotkey.Off() || !window_) return HotkeyState::Off;
    if (TypesCharacterWithAltGr(hotkey)) return HotkeyState::TypesCharacter;
    registered_ = RegisterHotKey(window_, id_, hotkey.modifiers, hotkey.key) != FALSE;
    return registered_ ? HotkeyState::Registered : HotkeyState::Taken;
}

void WindowHotkey::Unregister() {
    if (registered_ && window_) UnregisterHotKey(window_, id_);
    registered_ = false;
}

}  // namespace quorvel
