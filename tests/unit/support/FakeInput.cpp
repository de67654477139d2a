#include "FakeInput.h"

namespace quorvel::testing {

bool FakeInput::GetCursorPos(Point* p) {
    if (!cursorReadable) return false;
    *p = cursor;
    return true;
}

bool FakeInput::SetCursorPos(int x, int y) {
    cursor = Point{x, y};
    cursorMoves.push_back(cursor);
    return true;
}

bool FakeInput::GetCursorInfo(CursorInfo* info) {
    if (!cursorReadable) return false;
    *info = cursorInfo;
    info->pos = cursor;
    return true;
}

bool FakeInput::GetCaretPos(Point* p) {
    if (!hasCaret) return false;
    *p = caret;
    return true;
}

int16_t FakeInput::GetKeyState(int vk) {
    auto it = keyStates.find(vk);
    return it == keyStates.end() ? 0 : it->second;
}

int16_t FakeInput::GetAsyncKeyState(int vk) {
    auto it = asyncKeys.find(vk);
    return it == asyncKeys.end() ? 0 : it->second;
}

uint32_t FakeInput::SendInput(const InputEvent* in, uint32_t count) {
    inputs.emplace_back(in, in + count);
    return count;
}

// ---------------------------------------------------------------- messages

bool FakeMessages::PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) {
    posted.push_back(PostedMessage{w, msg, wParam, lParam});
    return windows_.Find(w) != nullptr;
}

bool FakeMessages::PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) {
    auto it = queued.find({w, msg});
    if (it == queued.end()) return false;
    *out = it->second;
    return true;
}

uint32_t FakeMessages::RegisterWindowMessage(const char*) { return registeredMessage; }

// ---------------------------------------------------------------- shell

bool FakeShell::ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                             int showCommand) {
    shellCalls.push_back(ShellCall{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                                   directory ? directory : "", showCommand});
    return true;
}

}  // namespace quorvel::testing
