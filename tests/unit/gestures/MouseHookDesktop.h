// The fixture of the mouse hook's scenario tests, one file per gesture: a
// browser with its page and an editor on the fake desktop, and the drags the
// gestures are made of.
#pragma once

#include <utility>
#include <vector>

#include "GestureDesktop.h"

namespace quorvel::testing {

class MouseHook : public GestureDesktop {
protected:
    // A browser frame with its page in a child window.
    Hwnd browser = TopLevel("Page - Browser", Rect{0, 0, 800, 600});
    Hwnd page = Child(browser, "Internet Explorer_Server", Rect{10, 50, 790, 590});
    Hwnd editor = TopLevel("Editor", Rect{100, 100, 700, 500});

    // A right drag over a window: press with the cursor at `from`, release at `to`.
    std::pair<bool, bool> RightDrag(Hwnd w, Point from, Point to, uint32_t t0 = 10000, uint32_t ms = 300) {
        bool down = At(win::WM_RBUTTONDOWN, w, from, t0);
        bool up = At(win::WM_RBUTTONUP, w, to, t0 + ms);
        return {down, up};
    }
    std::pair<bool, bool> MiddleDrag(Hwnd w, Point from, Point to, uint32_t t0 = 10000) {
        bool down = At(win::WM_MBUTTONDOWN, w, from, t0);
        bool up = At(win::WM_MBUTTONUP, w, to, t0 + 200);
        return {down, up};
    }
    const std::vector<InputEvent>* OnlyInput() const { return os.inputs.size() == 1 ? &os.inputs[0] : nullptr; }
    uint16_t KeyOf(int i) const { return os.inputs.at(0).at(i).vk; }
};

}  // namespace quorvel::testing
