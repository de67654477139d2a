// The fake desktop's input (cursor, caret, keys, SendInput), messages and
// shell, with a record of what the library did through them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "FakeWindows.h"
#include "hooklib/core/Platform.h"

namespace quorvel::testing {

struct PostedMessage {
    Hwnd hwnd;
    uint32_t msg;
    uint32_t wParam;
    uint32_t lParam;
    bool operator==(const PostedMessage& o) const {
        return hwnd == o.hwnd && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
    }
};

struct ShellCall {
    std::string verb, file, parameters, directory;
    int show;
};

class FakeInput : public Input {
public:
    Point cursor{0, 0};
    bool cursorReadable = true;
    CursorInfo cursorInfo{1, {0, 0}};  // pos follows `cursor` when used through GetCursorInfo
    Point caret{0, 0};
    bool hasCaret = false;
    std::map<int, int16_t> asyncKeys;
    std::map<int, int16_t> keyStates;  // as of the message being handled

    // ---- what the library did
    std::vector<std::vector<InputEvent>> inputs;  // one entry per SendInput call
    std::vector<Point> cursorMoves;               // every SetCursorPos

    bool GetCursorPos(Point* p) override;
    bool SetCursorPos(int x, int y) override;
    bool GetCursorInfo(CursorInfo* info) override;
    bool GetCaretPos(Point* p) override;
    int16_t GetAsyncKeyState(int vk) override;
    int16_t GetKeyState(int vk) override;
    uint32_t SendInput(const InputEvent* inputs, uint32_t count) override;
};

class FakeMessages : public Messages {
public:
    // Posting succeeds for the windows that exist.
    explicit FakeMessages(const FakeWindows& windows) : windows_(windows) {}

    uint32_t registeredMessage = 0xC123;
    // queued messages PeekMessage can see, by (window, message)
    std::map<std::pair<Hwnd, uint32_t>, QueuedMessage> queued;

    // ---- what the library did
    std::vector<PostedMessage> posted;

    bool PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) override;
    bool PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) override;
    uint32_t RegisterWindowMessage(const char* name) override;

private:
    const FakeWindows& windows_;
};

class FakeShell : public Shell {
public:
    // ---- what the library did
    std::vector<ShellCall> shellCalls;

    bool ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                      int showCommand) override;
};

}  // namespace quorvel::testing
