// The input, messages and shell roles on Windows.
#include "Win32Platform.h"

#include "common/win32/ModulePaths.h"

namespace quorvel {
namespace {

// lParam values are 32-bit signed quantities (coordinates, -1); widen them
// with their sign on 64-bit Windows.
LPARAM ToLparam(uint32_t v) { return static_cast<LPARAM>(static_cast<int32_t>(v)); }

}  // namespace

bool Win32Input::GetCursorPos(Point* p) {
    POINT q;
    if (!::GetCursorPos(&q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

bool Win32Input::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != FALSE; }

bool Win32Input::GetCursorInfo(CursorInfo* info) {
    CURSORINFO ci{};
    ci.cbSize = sizeof ci;
    if (!::GetCursorInfo(&ci)) return false;
    info->flags = ci.flags;
    info->pos = Point{ci.ptScreenPos.x, ci.ptScreenPos.y};
    return true;
}

bool Win32Input::GetCaretPos(Point* p) {
    POINT q;
    if (!::GetCaretPos(&q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

int16_t Win32Input::GetAsyncKeyState(int vk) { return static_cast<int16_t>(::GetAsyncKeyState(vk)); }
int16_t Win32Input::GetKeyState(int vk) { return static_cast<int16_t>(::GetKeyState(vk)); }

uint32_t Win32Input::SendInput(const InputEvent* inputs, uint32_t count) {
    constexpr uint32_t MAX_INPUTS = 8;
    INPUT in[MAX_INPUTS] = {};
    if (count > MAX_INPUTS) count = MAX_INPUTS;
    for (uint32_t i = 0; i < count; ++i) {
        if (inputs[i].kind == InputEvent::Keyboard) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wVk = inputs[i].vk;
            in[i].ki.wScan = inputs[i].scan;
            in[i].ki.dwFlags = inputs[i].flags;
        } else {
            in[i].type = INPUT_MOUSE;
            in[i].mi.dx = inputs[i].dx;
            in[i].mi.dy = inputs[i].dy;
            in[i].mi.mouseData = inputs[i].mouseData;
            in[i].mi.dwFlags = inputs[i].flags;
        }
    }
    return ::SendInput(count, in, sizeof(INPUT));
}

// ---- messages

bool Win32Messages::PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) {
    return ::PostMessageA(ToHwnd(w), msg, static_cast<WPARAM>(wParam), ToLparam(lParam)) != FALSE;
}

bool Win32Messages::PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) {
    MSG m;
    // Looks at queued input only: removes nothing, yields nothing and
    // dispatches no message sent by another thread.
    if (!::PeekMessageA(&m, ToHwnd(w), msg, msg, PM_NOREMOVE | PM_NOYIELD | PM_QS_INPUT)) return false;
    out->time = m.time;
    out->pt = Point{m.pt.x, m.pt.y};
    return true;
}

uint32_t Win32Messages::RegisterWindowMessage(const char* name) { return ::RegisterWindowMessageA(name); }

// ---- shell

bool Win32Shell::ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                              int showCommand) {
    constexpr int ROOM = MAX_PATH * 2;
    wchar_t v[32], f[ROOM], p[ROOM], d[ROOM];
    if (!WidenInto(verb, v, 32) || !WidenInto(file, f, ROOM) || !WidenInto(parameters, p, ROOM) ||
        !WidenInto(directory, d, ROOM)) {
        return false;
    }
    HINSTANCE r =
        ::ShellExecuteW(nullptr, verb ? v : nullptr, f, parameters ? p : nullptr, directory ? d : nullptr, showCommand);
    return reinterpret_cast<intptr_t>(r) > 32;
}

}  // namespace quorvel
