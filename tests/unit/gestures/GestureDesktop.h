// A fake desktop with the windows the gesture tests need, and a way to feed
// the mouse hook one message at a time: (message, window, event position,
// cursor position, time).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/hooks/HookProcedures.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {

constexpr uint32_t kAppStyle = 0x00CF0000;                    // WS_OVERLAPPEDWINDOW: caption, system menu, both boxes
constexpr uint32_t kChildStyle = win::WS_CHILD | 0x10000000;  // WS_CHILD | WS_VISIBLE
constexpr uint32_t kDialogStyle = win::WS_DLGFRAME | 0x00800000;  // WS_CAPTION without boxes

class GestureDesktop : public ::testing::Test {
protected:
    FakeLibrary lib;
    FakeDesktop& os = lib.os;
    SharedState& shared = lib.shared;

    Hwnd TopLevel(const std::string& title, Rect rect, uint32_t style = kAppStyle, Hwnd owner = 0,
                  const std::string& className = "AppWindow") {
        FakeWindow w;
        w.className = className;
        w.title = title;
        w.style = style;
        w.owner = owner;
        w.rect = rect;
        return os.AddWindow(w);
    }

    Hwnd Child(Hwnd parent, const std::string& className, Rect rect) {
        FakeWindow w;
        w.className = className;
        w.style = kChildStyle;
        w.parent = parent;
        w.rect = rect;
        return os.AddWindow(w);
    }

    // Delivers one mouse message to the hook; true when it was swallowed.
    bool Deliver(uint32_t message, Hwnd window, Point pt, Point cursor, uint32_t time, int code = win::HC_ACTION) {
        os.cursor = cursor;
        os.tick = time;
        MouseHookInput in;
        in.message = message;
        in.pt = pt;
        in.hwnd = window;
        return MouseHookProc(lib.ctx, code, in);
    }
    // The event and the cursor at the same place.
    bool At(uint32_t message, Hwnd window, Point p, uint32_t time) { return Deliver(message, window, p, p, time); }

    void HoldButtons(bool left, bool right) {
        os.asyncKeys[win::VK_LBUTTON] = left ? static_cast<int16_t>(0x8000) : 0;
        os.asyncKeys[win::VK_RBUTTON] = right ? static_cast<int16_t>(0x8000) : 0;
    }

    void SettingOff(uint32_t bits) { shared.Setting &= ~bits; }

    std::vector<PostedMessage> Posted() const { return os.posted; }
    bool Logged(const std::string& text) const { return lib.LogHas(text); }
};

}  // namespace quorvel::testing
