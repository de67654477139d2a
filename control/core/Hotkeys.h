// The global hotkeys of auto click and the task switcher: the user's
// preferences (modifiers and key, or none), their registration, and what the
// user is told when one cannot be had. The registration itself is behind
// HotkeyRegistrar (win32/WindowHotkey.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "EverydayPreferences.h"

namespace quorvel {

// Modifiers as RegisterHotKey takes them (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN).
constexpr uint32_t HOTKEY_ALT = 0x1;
constexpr uint32_t HOTKEY_CONTROL = 0x2;
constexpr uint32_t HOTKEY_SHIFT = 0x4;
constexpr uint32_t HOTKEY_WIN = 0x8;

struct Hotkey {
    uint32_t modifiers = 0;  // HOTKEY_*
    uint32_t key = 0;        // virtual-key code; 0: no hotkey
    bool Off() const { return key == 0; }
    bool operator==(const Hotkey& other) const { return modifiers == other.modifiers && key == other.key; }
    bool operator!=(const Hotkey& other) const { return !(*this == other); }
};

// The registry form: modifiers * 256 + key; 0 is no hotkey.
uint32_t PackHotkey(const Hotkey& hotkey);
// False for a value no hotkey may have: a key outside 1..254, unknown
// modifier bits, or none of Ctrl, Alt and Win (it would take a key or a
// Shift+key from typing). 0 unpacks to no hotkey.
bool UnpackHotkey(uint32_t value, Hotkey* hotkey);
// "Ctrl+Alt+F10"; "none" for no hotkey.
std::string HotkeyText(const Hotkey& hotkey);

// The hotkey control of the forms (HKM_GETHOTKEY): key in the low byte,
// HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8 in the high one.
Hotkey HotkeyFromControl(uint32_t controlValue);
uint32_t ControlValueOf(const Hotkey& hotkey);

enum class HotkeyState {
    Off,             // no hotkey chosen
    Registered,      // it works
    Taken,           // another program holds it
    TypesCharacter,  // Ctrl+Alt (AltGr) with that key types a character on one of the user's layouts
};

class HotkeyRegistrar {
public:
    virtual ~HotkeyRegistrar() = default;
    // Gives up what was registered before, then registers `hotkey`.
    virtual HotkeyState Register(const Hotkey& hotkey) = 0;
    virtual void Unregister() = 0;
};

struct HotkeyDefinition {
    const char* valueName;  // in the user's key
    Hotkey standard;        // when the user chose none
    const char* feature;    // "auto click", "the task switcher"
};

// Ctrl+Alt is AltGr: with a function key it types nothing on any layout,
// and no Windows shortcut uses these two.
const HotkeyDefinition& AutoClickHotkey();     // Ctrl+Alt+F11
const HotkeyDefinition& TaskSwitcherHotkey();  // Ctrl+Alt+F10

// What the user is told of a hotkey in that state ("" when it works or is off).
std::string HotkeyProblem(const HotkeyDefinition& definition, const Hotkey& hotkey, HotkeyState state);

// One hotkey of the program: the preference and its registration.
class HotkeyBinding {
public:
    explicit HotkeyBinding(const HotkeyDefinition& definition) : definition_(definition) {}

    // Reads the preference (missing or unusable: the standard one) and
    // registers it.
    void Start(PreferenceStore& store, HotkeyRegistrar& registrar);
    // The user's new choice: registered instead of the current one and
    // stored. One that cannot be registered changes nothing (the current one
    // is registered again) and its state is returned.
    HotkeyState Change(const Hotkey& wanted, PreferenceStore& store);
    void Stop();

    const HotkeyDefinition& Definition() const { return definition_; }
    const Hotkey& Current() const { return current_; }
    HotkeyState State() const { return state_; }
    std::string Problem() const { return HotkeyProblem(definition_, current_, state_); }

private:
    const HotkeyDefinition& definition_;
    HotkeyRegistrar* registrar_ = nullptr;
    Hotkey current_;
    HotkeyState state_ = HotkeyState::Off;
};

// The hotkeys the settings form shows, in its order (auto click, task switcher).
struct ProgramHotkeys {
    HotkeyBinding* autoClick = nullptr;
    HotkeyBinding* taskSwitcher = nullptr;
};

// One notice for all the hotkeys that do not work; "" when all do.
std::string HotkeyNotice(const std::vector<const HotkeyBinding*>& bindings);

}  // namespace quorvel
