// The narrow interfaces through which the hook library's logic talks to
// Windows, one per role (windows, processes, input, messages, the
// clock and threads, the system, the registry, files, the shell, hooks). A
// function takes the roles it works with; Context bundles them all for the
// hook procedures. The shipped library implements each role with Win32 calls
// (win32/Win32Platform.h); the unit tests with a fake desktop.
//
// Window handles, hook handles and registry keys travel as 32-bit values:
// user handles always fit in 32 bits, on 32-bit and 64-bit Windows alike.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

using Hwnd = uint32_t;
using RegKey = uint32_t;   // 0 = no key
using FileId = uintptr_t;  // 0 = not open

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

// One synthesised input, as SendInput takes it.
struct InputEvent {
    enum Kind : uint8_t { Keyboard, Mouse } kind = Keyboard;
    // keyboard
    uint16_t vk = 0;
    uint16_t scan = 0;
    // mouse
    int32_t dx = 0;
    int32_t dy = 0;
    uint32_t mouseData = 0;
    // both: KEYEVENTF_* or MOUSEEVENTF_* flags
    uint32_t flags = 0;
};

// What PeekMessageA(PM_NOREMOVE) reports of a queued message.
struct QueuedMessage {
    uint32_t time = 0;
    Point pt;
};

struct SystemTimeUtc {
    uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct OsVersion {
    uint32_t major = 0, minor = 0, build = 0, platformId = 0;
    char csdVersion[128] = {};
};

struct MemoryStatus {
    uint64_t totalPhys = 0, availPhys = 0, totalVirtual = 0, availVirtual = 0;
};

// Cursor information as GetCursorInfo reports it.
struct CursorInfo {
    uint32_t flags = 0;  // CURSOR_SHOWING = 1
    Point pos;
};

// A registry value as RegQueryValueExA / RegEnumValueA return it.
struct RegValue {
    uint32_t type = 0;
    uint32_t size = 0;  // bytes of data available (may exceed what was copied)
};

// Callbacks
using EnumWindowsFn = bool (*)(Hwnd window, void* context);  // false stops the walk
using ThreadFn = uint32_t (*)(void* argument);

// A lock serialising the threads of one process (a critical section on Windows).
class ProcessLock {
public:
    virtual ~ProcessLock() = default;
    virtual void Enter() = 0;
    virtual void Leave() = 0;
};

class LockHolder {
public:
    explicit LockHolder(ProcessLock& lock) : lock_(lock) { lock_.Enter(); }
    ~LockHolder() { lock_.Leave(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

private:
    ProcessLock& lock_;
};

// ---- the roles. A vanished window answers 0, false or empty everywhere.

// Windows: their tree, properties and place, and the few actions on them.
class Windows {
public:
    virtual ~Windows() = default;
    virtual bool IsWindow(Hwnd w) = 0;
    virtual Hwnd GetParent(Hwnd w) = 0;       // for a top-level popup: its owner
    virtual Hwnd GetOwner(Hwnd w) = 0;        // GetWindow(GW_OWNER)
    virtual Hwnd GetFirstChild(Hwnd w) = 0;   // GetWindow(GW_CHILD)
    virtual Hwnd GetNextSibling(Hwnd w) = 0;  // GetWindow(GW_HWNDNEXT)
    virtual uint32_t GetStyle(Hwnd w) = 0;
    virtual uint32_t GetExStyle(Hwnd w) = 0;
    virtual uint32_t GetUserData(Hwnd w) = 0;  // GWL_USERDATA, low 32 bits
    // Copy at most size-1 characters and a terminating zero; return the length copied.
    virtual int GetClassName(Hwnd w, char* buffer, int size) = 0;
    virtual int GetWindowText(Hwnd w, char* buffer, int size) = 0;
    virtual bool GetWindowRect(Hwnd w, Rect* rect) = 0;
    virtual bool IsWindowVisible(Hwnd w) = 0;
    virtual bool IsZoomed(Hwnd w) = 0;
    virtual Hwnd FindWindow(const char* className, const char* title) = 0;  // null = any
    virtual void EnumWindows(EnumWindowsFn fn, void* context) = 0;          // top-level, front first
    virtual Hwnd WindowFromPoint(Point p) = 0;
    virtual bool ScreenToClient(Hwnd w, Point* p) = 0;
    virtual bool ClientToScreen(Hwnd w, Point* p) = 0;
    virtual uint32_t GetWindowThreadId(Hwnd w) = 0;  // 0 for a vanished window
    virtual Hwnd GetForegroundWindow() = 0;
    virtual bool MoveWindow(Hwnd w, int x, int y, int width, int height, bool repaint) = 0;
    // AllowSetForegroundWindow for the process of the window.
    virtual void AllowSetForegroundFor(Hwnd) {}
};

// Other processes, as far as the library decides on their behalf
// (exclusions, programs its hooks cannot enter).
class Processes {
public:
    virtual ~Processes() = default;
    virtual uint32_t GetWindowProcessId(Hwnd w) = 0;  // 0 for a vanished window
    // Full path of a process's executable, like GetModuleFileName; 0 when
    // it cannot be read.
    virtual uint32_t GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) = 0;
    // False when the window's program is closed to this library's hooks
    // (higher integrity, another user); true for a vanished window.
    virtual bool CanHookWindow(Hwnd w) = 0;
    // False once the thread has ended (or never was); true when it runs or
    // cannot be looked at.
    virtual bool ThreadExists(uint32_t threadId) = 0;
};

// The pointer, the caret, the keys, and synthesised input.
class Input {
public:
    virtual ~Input() = default;
    virtual bool GetCursorPos(Point* p) = 0;
    virtual bool SetCursorPos(int x, int y) = 0;
    virtual bool GetCursorInfo(CursorInfo* info) = 0;
    virtual bool GetCaretPos(Point* p) = 0;  // client coordinates of the caller's caret
    virtual int16_t GetAsyncKeyState(int vk) = 0;
    // The key state as of the input message this thread is handling.
    virtual int16_t GetKeyState(int vk) = 0;
    virtual uint32_t SendInput(const InputEvent* inputs, uint32_t count) = 0;
};

// Window messages: posting, a look at the queue, registered messages.
class Messages {
public:
    virtual ~Messages() = default;
    virtual bool PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) = 0;
    // PeekMessageA(window, filter..filter, PM_NOREMOVE)
    virtual bool PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) = 0;
    virtual uint32_t RegisterWindowMessage(const char* name) = 0;
};

// The clock and the threads of this process.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t GetTickCount() = 0;
    virtual void GetSystemTime(SystemTimeUtc* t) = 0;
    virtual void Sleep(uint32_t ms) = 0;
    virtual uint32_t GetCurrentThreadId() = 0;
    virtual uint32_t GetCurrentProcessId() = 0;
    // Starts a detached thread; false when it could not be created.
    virtual bool StartThread(ThreadFn fn, void* argument) = 0;
};

// What the system and this process are: metrics, version, language,
// memory, command line and module names.
class System {
public:
    virtual ~System() = default;
    virtual int GetSystemMetrics(int index) = 0;
    virtual uint32_t GetDoubleClickTime() = 0;
    virtual bool GetVersionInfo(OsVersion* v) = 0;
    virtual uint16_t GetSystemDefaultLangId() = 0;
    virtual void GetMemoryStatus(MemoryStatus* m) = 0;
    virtual const char* GetCommandLine() = 0;
    // Full path of the module (0 = the process's executable), like GetModuleFileNameA:
    // returns the number of characters copied (truncated to size-1).
    virtual uint32_t GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) = 0;
    // The same in UTF-8, for paths that stay inside the library (the folder
    // of its logs, of Util.dat and of the programs it starts): the Files and
    // Shell roles take these. 0 (and "") when it does not fit whole.
    virtual uint32_t GetModulePathUtf8(uintptr_t module, char* buffer, uint32_t size) = 0;
};

// The registry (HKEY_LOCAL_MACHINE is win::HKEY_LOCAL_MACHINE); results are Win32 error codes.
class Registry {
public:
    virtual ~Registry() = default;
    virtual long RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) = 0;
    virtual long RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) = 0;
    virtual long RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) = 0;
    virtual long RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) = 0;
    // name/data buffers as RegEnumValueA: nameSize counts characters with the terminator.
    virtual long RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                              uint32_t dataSize) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
};

// Text files (opened in text mode: "\n" is stored as CR LF): the logs. Paths
// are UTF-8.
class Files {
public:
    virtual ~Files() = default;
    virtual FileId OpenTextFile(const char* path, bool truncate) = 0;  // "wt" or "at"
    virtual void WriteText(FileId f, const char* text) = 0;
    virtual void CloseFile(FileId f) = 0;
};

// Programs and documents started through the shell (paths in UTF-8).
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                              int showCommand) = 0;
};

// The global hooks (the glue calls the library's hook procedures itself).
class Hooks {
public:
    virtual ~Hooks() = default;
    // Installs a global hook of the given WH_ type for one of the library's
    // procedures; returns the hook handle or 0 (GetLastError tells why).
    virtual uint32_t SetWindowsHook(int hookType, uintptr_t module) = 0;
    virtual bool UnhookWindowsHook(uint32_t hook) = 0;
    // Why the last hook call of this thread failed (GetLastError).
    virtual uint32_t GetLastError() = 0;
};

}  // namespace quorvel
