#include "FirstStartMark.h"

#include <windows.h>

#include "common/win32/Owners.h"
#include "control/core/TutorialOffer.h"

namespace quorvel {

namespace {

std::optional<std::string> ReadText(HKEY key, const char* name) {
    char text[256] = {};
    DWORD type = 0, size = sizeof text - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    return std::string(text);  // zero-terminated by the spare byte whatever was stored
}

InstallMarks ReadMarks() {
    InstallMarks marks;
    OwnedKey machine;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, MACHINE_KEY, 0, KEY_QUERY_VALUE, machine.Out()) == ERROR_SUCCESS) {
        DWORD value = 0, type = 0, size = sizeof value;
        marks.firstStart = RegQueryValueExA(machine.Get(), FIRST_START_VALUE, nullptr, &type,
                                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
                           type == REG_DWORD && value == 1;
        marks.installStamp = ReadText(machine.Get(), INSTALL_STAMP_VALUE);
        machine.Reset();
    }
    OwnedKey user;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, KEY_QUERY_VALUE, user.Out()) == ERROR_SUCCESS) {
        marks.offeredFor = ReadText(user.Get(), TUTORIAL_OFFERED_FOR_VALUE);
    }
    return marks;
}

void RecordOffer(const std::string& stamp) {
    OwnedKey user;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, USER_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        user.Out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(user.Get(), TUTORIAL_OFFERED_FOR_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(stamp.c_str()),
                   static_cast<DWORD>(stamp.size() + 1));
}

}  // namespace

bool TakeFirstStartMark() {
    const std::optional<std::string> stamp = TutorialOfferDue(ReadMarks());
    if (!stamp) return false;
    RecordOffer(*stamp);
    return true;
}

}  // namespace quorvel
