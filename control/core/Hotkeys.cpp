#include "Hotkeys.h"

#include "common/Registry.h"

namespace quorvel {

namespace {

constexpr uint32_t ALL_MODIFIERS = HOTKEY_ALT | HOTKEY_CONTROL | HOTKEY_SHIFT | HOTKEY_WIN;
constexpr uint32_t KEY_F1 = 0x70;
constexpr uint32_t KEY_F10 = 0x79;
constexpr uint32_t KEY_F11 = 0x7A;
constexpr uint32_t KEY_F24 = 0x87;

// The hotkey control's own modifier bits.
constexpr uint32_t CONTROL_SHIFT = 0x1;
constexpr uint32_t CONTROL_CONTROL = 0x2;
constexpr uint32_t CONTROL_ALT = 0x4;
constexpr uint32_t CONTROL_EXTENDED = 0x8;

const HotkeyDefinition AUTO_CLICK{AUTO_CLICK_HOTKEY_VALUE, {HOTKEY_CONTROL | HOTKEY_ALT, KEY_F11}, "auto click"};
const HotkeyDefinition TASK_SWITCHER{
    TASK_SWITCHER_HOTKEY_VALUE, {HOTKEY_CONTROL | HOTKEY_ALT, KEY_F10}, "the task switcher"};

struct KeyName {
    uint32_t key;
    const char* name;
};
constexpr KeyName KEY_NAMES[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},     {0x0D, "Enter"},     {0x13, "Pause"},       {0x1B, "Esc"},
    {0x20, "Space"},     {0x21, "Page Up"}, {0x22, "Page Down"}, {0x23, "End"},         {0x24, "Home"},
    {0x25, "Left"},      {0x26, "Up"},      {0x27, "Right"},     {0x28, "Down"},        {0x2C, "Print Screen"},
    {0x2D, "Insert"},    {0x2E, "Delete"},  {0x6A, "Num *"},     {0x6B, "Num +"},       {0x6D, "Num -"},
    {0x6E, "Num ."},     {0x6F, "Num /"},   {0x90, "Num Lock"},  {0x91, "Scroll Lock"},
};

// Keys that sit on the extended part of the keyboard: the hotkey control
// names them apart from their twins on the number pad.
bool IsExtendedKey(uint32_t key) {
    return (key >= 0x21 && key <= 0x28) || key == 0x2D || key == 0x2E || key == 0x6F || key == 0x90;
}

std::string KeyText(uint32_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= KEY_F1 && key <= KEY_F24) return "F" + std::to_string(key - KEY_F1 + 1);
    if (key >= 0x60 && key <= 0x69) return "Num " + std::to_string(key - 0x60);
    for (const KeyName& name : KEY_NAMES) {
        if (name.key == key) return name.name;
    }
    static const char digits[] = "0123456789ABCDEF";
    return std::string("Key 0x") + digits[(key >> 4) & 0xF] + digits[key & 0xF];
}

}  // namespace

uint32_t PackHotkey(const Hotkey& hotkey) { return hotkey.Off() ? 0 : (hotkey.modifiers << 8) | hotkey.key; }

bool UnpackHotkey(uint32_t value, Hotkey* hotkey) {
    if (value == 0) {
        *hotkey = Hotkey{};
        return true;
    }
    const uint32_t key = value & 0xFF;
    const uint32_t modifiers = value >> 8;
    if (key == 0 || key == 0xFF || (modifiers & ~ALL_MODIFIERS) != 0) return false;
    if ((modifiers & (HOTKEY_CONTROL | HOTKEY_ALT | HOTKEY_WIN)) == 0) return false;
    *hotkey = Hotkey{modifiers, key};
    return true;
}

std::string HotkeyText(const Hotkey& hotkey) {
    if (hotkey.Off()) return "none";
    std::string text;
    if (hotkey.modifiers & HOTKEY_WIN) text += "Win+";
    if (hotkey.modifiers & HOTKEY_CONTROL) text += "Ctrl+";
    if (hotkey.modifiers & HOTKEY_ALT) text += "Alt+";
    if (hotkey.modifiers & HOTKEY_SHIFT) text += "Shift+";
    return text + KeyText(hotkey.key);
}

Hotkey HotkeyFromControl(uint32_t controlValue) {
    const uint32_t key = controlValue & 0xFF;
    const uint32_t flags = (controlValue >> 8) & 0xFF;
    if (key == 0) return Hotkey{};
    uint32_t modifiers = 0;
    if (flags & CONTROL_SHIFT) modifiers |= HOTKEY_SHIFT;
    if (flags & CONTROL_CONTROL) modifiers |= HOTKEY_CONTROL;
    if (flags & CONTROL_ALT) modifiers |= HOTKEY_ALT;
    return Hotkey{modifiers, key};
}

uint32_t ControlValueOf(const Hotkey& hotkey) {
    if (hotkey.Off()) return 0;
    uint32_t flags = IsExtendedKey(hotkey.key) ? CONTROL_EXTENDED : 0;
    if (hotkey.modifiers & HOTKEY_SHIFT) flags |= CONTROL_SHIFT;
    if (hotkey.modifiers & HOTKEY_CONTROL) flags |= CONTROL_CONTROL;
    if (hotkey.modifiers & HOTKEY_ALT) flags |= CONTROL_ALT;
    return (flags << 8) | hotkey.key;
}

const HotkeyDefinition& AutoClickHotkey() { return AUTO_CLICK; }
const HotkeyDefinition& TaskSwitcherHotkey() { return TASK_SWITCHER; }

std::string HotkeyProblem(const HotkeyDefinition& definition, const Hotkey& hotkey, HotkeyState state) {
    const std::string which = HotkeyText(hotkey) + " (" + definition.feature + ")";
    switch (state) {
        case HotkeyState::Taken: return which + " is used by another program.";
        case HotkeyState::TypesCharacter: return which + " types a character on your keyboard.";
        default: return "";
    }
}

void HotkeyBinding::Start(PreferenceStore& store, HotkeyRegistrar& registrar) {
    registrar_ = &registrar;
    uint32_t stored = 0;
    Hotkey chosen;
    current_ = store.ReadDword(definition_.valueName, &stored) && UnpackHotkey(stored, &chosen) ? chosen
                                                                                                : definition_.standard;
    state_ = current_.Off() ? HotkeyState::Off : registrar.Register(current_);
}

HotkeyState HotkeyBinding::Change(const Hotkey& wanted, PreferenceStore& store) {
    if (!registrar_) return HotkeyState::Off;
    Hotkey checked;
    if (!UnpackHotkey(PackHotkey(wanted), &checked)) return HotkeyState::TypesCharacter;
    HotkeyState got = HotkeyState::Off;
    if (checked.Off()) {
        registrar_->Unregister();
    } else {
        got = registrar_->Register(checked);
        if (got != HotkeyState::Registered) {
            // Back to what worked before (if it did).
            if (state_ == HotkeyState::Registered) {
                registrar_->Register(current_);
            } else {
                registrar_->Unregister();
            }
            return got;
        }
    }
    current_ = checked;
    state_ = got;
    store.WriteDword(definition_.valueName, PackHotkey(checked));
    return got;
}

void HotkeyBinding::Stop() {
    if (registrar_ && state_ == HotkeyState::Registered) registrar_->Unregister();
    state_ = HotkeyState::Off;
}

std::string HotkeyNotice(const std::vector<const HotkeyBinding*>& bindings) {
    std::string notice;
    for (const HotkeyBinding* binding : bindings) {
        const std::string problem = binding ? binding->Problem() : std::string();
        if (!problem.empty()) notice += problem + " ";
    }
    return notice.empty() ? notice : notice + "Choose another hotkey in Settings.";
}

}  // namespace quorvel
