// A fake desktop behind the library's platform interface: windows with their
// properties, a cursor, a tick clock, system metrics, a registry and files,
// and a record of everything the library did (posted messages, SendInput
// inputs, ShellExecute calls, cursor moves, started threads).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <tuple>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hooklib/core/Context.h"
#include "hooklib/core/Platform.h"
#include "hooklib/core/SharedStateLife.h"

namespace quorvel::testing {

struct FakeWindow {
    std::string className;
    std::string title;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    Hwnd parent = 0;  // a child's parent window
    Hwnd owner = 0;   // a top-level window's owner
    Rect rect;        // screen rectangle
    Point clientOrigin{-1, -1};  // screen position of the client area; rect's top-left when unset
    bool visible = true;
    bool zoomed = false;
    uint32_t userData = 0;
    uint32_t threadId = 1;
    uint32_t processId = 1;
};

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

struct StartedThread {
    ThreadFn fn;
    void* argument;
};

class FakeLock : public ProcessLock {
public:
    void Enter() override { ++depth; ++entered; }
    void Leave() override { --depth; }
    int depth = 0;
    int entered = 0;
};

class FakeDesktop : public Platform {
public:
    FakeDesktop();

    // ---- building the desktop
    // Adds a window; top-level windows (no parent) go in front of the others.
    // `handle` 0 picks the next free one.
    Hwnd AddWindow(const FakeWindow& w, Hwnd handle = 0);
    FakeWindow& Window(Hwnd h) { return windows_.at(h); }
    void DestroyWindow(Hwnd h);
    void BringToFront(Hwnd h);
    std::vector<Hwnd> zOrder;  // top-level windows, front first
    std::map<Hwnd, std::vector<Hwnd>> children;  // child windows in order

    // ---- state the tests set
    Point cursor{0, 0};
    bool cursorReadable = true;
    CursorInfo cursorInfo{1, {0, 0}};  // pos follows `cursor` when used through GetCursorInfo
    Point caret{0, 0};
    bool hasCaret = false;
    std::map<int, int16_t> asyncKeys;
    std::map<int, int16_t> keyStates;  // as of the message being handled
    uint32_t tick = 1000;
    std::map<int, int> metrics;
    // Windows of programs the hooks cannot enter (elevated ones).
    std::set<Hwnd> closedWindows;
    uint32_t doubleClickTime = 500;
    uint32_t threadId = 1;
    uint32_t processId = 1;
    std::string commandLine = "\"C:\\Program Files\\App\\app.exe\"";
    std::map<uintptr_t, std::string> moduleNames;  // 0 = the executable
    SystemTimeUtc systemTime{2026, 12, 8, 9, 30, 15};
    OsVersion version;
    bool versionReadable = true;
    uint16_t langId = 1033;
    uint32_t registeredMessage = 0xC123;
    MemoryStatus memory{512ull << 20, 256ull << 20, 2048ull << 20, 1024ull << 20};
    uint32_t lastError = 0;
    Hwnd foreground = 0;
    std::vector<Rect> monitors{Rect{0, 0, 1024, 768}};
    int monitorQueries = 0;  // GetMonitorRectOfWindow calls
    std::map<uint32_t, std::string> processImages;  // executables of other processes
    int imageQueries = 0;  // GetProcessImageName calls
    bool threadsCanStart = true;
    std::set<int> failingHookTypes;
    bool unhookFails = false;
    // queued messages PeekMessage can see, by (window, message)
    std::map<std::pair<Hwnd, uint32_t>, QueuedMessage> queued;

    // ---- what the library did
    std::vector<PostedMessage> posted;
    std::vector<std::vector<InputEvent>> inputs;  // one entry per SendInput call
    std::vector<ShellCall> shellCalls;
    std::vector<Point> cursorMoves;  // every SetCursorPos
    std::vector<uint32_t> sleeps;
    std::vector<StartedThread> threads;
    std::vector<std::pair<int, uintptr_t>> hooksSet;  // (type, module)
    std::vector<uint32_t> hooksRemoved;
    std::vector<std::tuple<Hwnd, int, int, int, int>> moves;  // MoveWindow calls

    // Runs the started threads (and any they start) to their end, in order.
    void RunThreads();
    void ClearRecords();

    // ---- registry: keys by full path below HKLM, e.g. "SOFTWARE\\Harnwick\\Quorvel"
    struct RegData {
        uint32_t type;
        std::string bytes;
    };
    std::map<std::string, std::map<std::string, RegData>> registry;  // key paths and value names compared ignoring case
    std::set<std::string> deniedKeys;  // opening these fails with ERROR_ACCESS_DENIED
    // A limited account: every key may be read, none written or created.
    bool registryReadOnly = false;
    void SetDword(const std::string& key, const std::string& name, uint32_t value);
    bool GetDword(const std::string& key, const std::string& name, uint32_t* value) const;
    void CreateKey(const std::string& key);
    bool KeyExists(const std::string& key) const;

    // ---- files: contents as written (text mode is the real platform's business)
    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyFolders;  // a file whose path starts with one of these cannot be opened
    std::vector<std::string> Lines(const std::string& path) const;

    // ---- Platform
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
    // monitors (full-screen pause): the one sharing most area with the
    // window, else the first
    bool GetMonitorRectOfWindow(Hwnd w, Rect* rect) override;
    uint32_t GetWindowProcessId(Hwnd w) override;  // the window's processId
    uint32_t GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) override;  // processImages
    bool CanHookWindow(Hwnd w) override { return closedWindows.count(w) == 0; }
    bool GetCursorPos(Point* p) override;
    bool SetCursorPos(int x, int y) override;
    bool GetCursorInfo(CursorInfo* info) override;
    bool GetCaretPos(Point* p) override;
    int16_t GetAsyncKeyState(int vk) override;
    int16_t GetKeyState(int vk) override;
    uint32_t GetTickCount() override;
    void Sleep(uint32_t ms) override;
    int GetSystemMetrics(int index) override;
    int GetMonitors(Rect* out, int max) override;
    uint32_t GetDoubleClickTime() override;
    uint32_t GetCurrentThreadId() override;
    uint32_t GetCurrentProcessId() override;
    const char* GetCommandLine() override;
    uint32_t GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) override;
    void GetSystemTime(SystemTimeUtc* t) override;
    bool GetVersionInfo(OsVersion* v) override;
    uint16_t GetSystemDefaultLangId() override;
    uint32_t RegisterWindowMessage(const char* name) override;
    void GetMemoryStatus(MemoryStatus* m) override;
    uint32_t GetLastError() override;
    bool StartThread(ThreadFn fn, void* argument) override;
    uint32_t SendInput(const InputEvent* inputs, uint32_t count) override;
    bool PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) override;
    bool PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) override;
    bool ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                      int showCommand) override;
    uint32_t SetWindowsHook(int hookType, uintptr_t module) override;
    bool UnhookWindowsHook(uint32_t hook) override;
    long RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) override;
    long RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) override;
    long RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                      uint32_t dataSize) override;
    long RegCloseKey(RegKey key) override;
    FileId OpenTextFile(const char* path, bool truncate) override;
    void WriteText(FileId f, const char* text) override;
    void CloseFile(FileId f) override;

    int openRegKeys() const { return static_cast<int>(regHandles_.size()); }
    int openFiles() const { return static_cast<int>(openFiles_.size()); }

private:
    const FakeWindow* Find(Hwnd h) const;
    Hwnd Deepest(Hwnd w, Point p) const;
    static std::string Lower(std::string s);
    std::string KeyPath(RegKey root, const char* subKey) const;

    std::map<Hwnd, FakeWindow> windows_;
    Hwnd nextHandle_ = 0x10010;
    uint32_t nextHook_ = 0x5000;
    std::map<RegKey, std::string> regHandles_;
    RegKey nextRegKey_ = 0x100;
    std::map<FileId, std::string> openFiles_;
    FileId nextFile_ = 1;
    std::string commandLineStore_;
};

// A complete library context on a fake desktop: the shared record in its
// initial state, this process's state and the fake platform. The install
// folder is "C:\\Quorvel\\" unless changed.
struct FakeLibrary {
    FakeLibrary();
    FakeDesktop os;
    SharedState shared{};
    ProcessState process;
    FakeLock lock;
    Context ctx{os, shared, process};

    // Lines of the debug log (CR-free, as written).
    std::vector<std::string> LogLines() const;
    std::string LogPath() const;
    // Does any log line contain the text?
    bool LogHas(const std::string& text) const;
    void ClearLog();
};

}  // namespace quorvel::testing
