// The fake desktop's windows and the processes behind the windows.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "hooklib/core/Platform.h"

namespace quorvel::testing {

struct FakeWindow {
    std::string className;
    std::string title;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    Hwnd parent = 0;             // a child's parent window
    Hwnd owner = 0;              // a top-level window's owner
    Rect rect;                   // screen rectangle
    Point clientOrigin{-1, -1};  // screen position of the client area; rect's top-left when unset
    bool visible = true;
    bool zoomed = false;
    uint32_t userData = 0;
    uint32_t threadId = 1;
    uint32_t processId = 1;
};

class FakeWindows : public Windows {
public:
    // ---- building the desktop
    // Adds a window; top-level windows (no parent) go in front of the others.
    // `handle` 0 picks the next free one.
    Hwnd AddWindow(const FakeWindow& w, Hwnd handle = 0);
    FakeWindow& Window(Hwnd h) { return windows_.at(h); }
    void DestroyWindow(Hwnd h);
    void BringToFront(Hwnd h);
    // The window, or null when there is none by that handle.
    const FakeWindow* Find(Hwnd h) const;
    std::vector<Hwnd> zOrder;                    // top-level windows, front first
    std::map<Hwnd, std::vector<Hwnd>> children;  // child windows in order
    Hwnd foreground = 0;

    // ---- what the library did
    std::vector<std::tuple<Hwnd, int, int, int, int>> moves;  // MoveWindow calls

    bool IsWindow(Hwnd w) override;
    Hwnd GetParent(Hwnd w) override;
    Hwnd GetOwner(Hwnd w) override;
    Hwnd GetFirstChild(Hwnd w) override;
    Hwnd GetNextSibling(Hwnd w) override;
    uint32_t GetStyle(Hwnd w) override;
    uint32_t GetExStyle(Hwnd w) override;
    uint32_t GetUserData(Hwnd w) override;
    int GetClassName(Hwnd w, char* buffer, int size) override;
    int GetWindowText(Hwnd w, char* buffer, int size) override;
    bool GetWindowRect(Hwnd w, Rect* rect) override;
    bool IsWindowVisible(Hwnd w) override;
    bool IsZoomed(Hwnd w) override;
    Hwnd FindWindow(const char* className, const char* title) override;
    void EnumWindows(EnumWindowsFn fn, void* context) override;
    Hwnd WindowFromPoint(Point p) override;
    bool ScreenToClient(Hwnd w, Point* p) override;
    bool ClientToScreen(Hwnd w, Point* p) override;
    uint32_t GetWindowThreadId(Hwnd w) override;
    Hwnd GetForegroundWindow() override;
    bool MoveWindow(Hwnd w, int x, int y, int width, int height, bool repaint) override;

private:
    Hwnd Deepest(Hwnd w, Point p) const;

    std::map<Hwnd, FakeWindow> windows_;
    Hwnd nextHandle_ = 0x10010;
};

class FakeProcesses : public Processes {
public:
    explicit FakeProcesses(const FakeWindows& windows) : windows_(windows) {}

    std::map<uint32_t, std::string> processImages;  // executables of other processes
    int imageQueries = 0;                           // GetProcessImageName calls
    // Windows of programs the hooks cannot enter (elevated ones).
    std::set<Hwnd> closedWindows;

    uint32_t GetWindowProcessId(Hwnd w) override;                                            // the window's processId
    uint32_t GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) override;  // processImages
    bool CanHookWindow(Hwnd w) override { return closedWindows.count(w) == 0; }
    // Threads that have ended; every other one runs.
    std::set<uint32_t> endedThreads;
    bool ThreadExists(uint32_t threadId) override { return threadId != 0 && endedThreads.count(threadId) == 0; }

private:
    const FakeWindows& windows_;
};

}  // namespace quorvel::testing
