// The platform's roles on real Windows, one class per role; Win32Platform
// serves them all. Each role's calls are in the file its comment names.
#pragma once

#include "WindowsApi.h"

#include "common/HandleWidth.h"
#include "hooklib/core/Platform.h"

namespace quorvel {

class Win32Lock : public ProcessLock {
public:
    Win32Lock() { InitializeCriticalSection(&section_); }
    ~Win32Lock() override { DeleteCriticalSection(&section_); }
    void Enter() override { EnterCriticalSection(&section_); }
    void Leave() override { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};

inline HWND ToHwnd(Hwnd w) { return reinterpret_cast<HWND>(WidenHandle(w)); }
inline Hwnd FromHwnd(HWND w) { return static_cast<Hwnd>(reinterpret_cast<uintptr_t>(w)); }

// Win32Windows.cpp
class Win32Windows : public Windows {
public:
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
    void AllowSetForegroundFor(Hwnd w) override;
};

// Win32Processes.cpp
class Win32Processes : public Processes {
public:
    uint32_t GetWindowProcessId(Hwnd w) override;
    uint32_t GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) override;
    bool CanHookWindow(Hwnd w) override;
    bool ThreadExists(uint32_t threadId) override;
};

// Win32Input.cpp
class Win32Input : public Input {
public:
    bool GetCursorPos(Point* p) override;
    bool SetCursorPos(int x, int y) override;
    bool GetCursorInfo(CursorInfo* info) override;
    bool GetCaretPos(Point* p) override;
    int16_t GetAsyncKeyState(int vk) override;
    int16_t GetKeyState(int vk) override;
    uint32_t SendInput(const InputEvent* inputs, uint32_t count) override;
};

// Win32Input.cpp
class Win32Messages : public Messages {
public:
    bool PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) override;
    bool PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) override;
    uint32_t RegisterWindowMessage(const char* name) override;
};

// Win32Input.cpp
class Win32Shell : public Shell {
public:
    bool ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                      int showCommand) override;
};

// Win32System.cpp
class Win32Clock : public Clock {
public:
    uint32_t GetTickCount() override;
    void GetSystemTime(SystemTimeUtc* t) override;
    void Sleep(uint32_t ms) override;
    uint32_t GetCurrentThreadId() override;
    uint32_t GetCurrentProcessId() override;
    bool StartThread(ThreadFn fn, void* argument) override;
};

// Win32System.cpp
class Win32System : public System {
public:
    int GetSystemMetrics(int index) override;
    uint32_t GetDoubleClickTime() override;
    bool GetVersionInfo(OsVersion* v) override;
    uint16_t GetSystemDefaultLangId() override;
    void GetMemoryStatus(MemoryStatus* m) override;
    const char* GetCommandLine() override;
    uint32_t GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) override;
    uint32_t GetModulePathUtf8(uintptr_t module, char* buffer, uint32_t size) override;
};

// The hook procedures SetWindowsHook installs for each hook type.
struct HookProcedureTable {
    HOOKPROC mouse = nullptr;
    HOOKPROC callWndRet = nullptr;
    HOOKPROC getMessage = nullptr;
};

// Win32System.cpp
class Win32Hooks : public Hooks {
public:
    explicit Win32Hooks(const HookProcedureTable& procedures) : procedures_(procedures) {}
    uint32_t SetWindowsHook(int hookType, uintptr_t module) override;
    bool UnhookWindowsHook(uint32_t hook) override;
    uint32_t GetLastError() override;

private:
    HOOKPROC ProcedureFor(int hookType) const;
    HookProcedureTable procedures_;
};

// Win32Registry.cpp
class Win32Registry : public Registry {
public:
    long RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) override;
    long RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) override;
    long RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) override;
    long RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                      uint32_t dataSize) override;
    long RegCloseKey(RegKey key) override;
};

// Win32Files.cpp
class Win32Files : public Files {
public:
    FileId OpenTextFile(const char* path, bool truncate) override;
    void WriteText(FileId f, const char* text) override;
    void CloseFile(FileId f) override;
};

// Every role at once, as Context takes it.
class Win32Platform : public Win32Windows,
                      public Win32Processes,
                      public Win32Input,
                      public Win32Messages,
                      public Win32Shell,
                      public Win32Clock,
                      public Win32System,
                      public Win32Hooks,
                      public Win32Registry,
                      public Win32Files {
public:
    explicit Win32Platform(const HookProcedureTable& hooks = HookProcedureTable()) : Win32Hooks(hooks) {}
};

}  // namespace quorvel
