// The platform interface on real Windows.
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

// The hook procedures SetWindowsHook installs for each hook type.
struct HookProcedureTable {
    HOOKPROC mouse = nullptr;
    HOOKPROC callWndRet = nullptr;
    HOOKPROC getMessage = nullptr;
};

class Win32Platform : public Platform {
public:
    explicit Win32Platform(const HookProcedureTable& hooks = HookProcedureTable()) : hooks_(hooks) {}
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
    // monitors (full-screen pause)
    bool GetMonitorRectOfWindow(Hwnd w, Rect* rect) override;
    // other processes (exclusions)
    uint32_t GetWindowProcessId(Hwnd w) override;
    uint32_t GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) override;
    bool CanHookWindow(Hwnd w) override;  // Reachability.cpp
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
    void AllowSetForegroundFor(Hwnd w) override;
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

private:
    HOOKPROC HookProcFor(int hookType) const;
    HookProcedureTable hooks_;
};

}  // namespace quorvel
