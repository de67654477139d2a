#include "Win32Platform.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "common/AnsiPath.h"
#include "ExceptionGuard.h"
#include "FaultPoints.h"

namespace quorvel {
namespace {

HKEY ToHkey(RegKey k) { return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(k))); }
RegKey FromHkey(HKEY k) { return static_cast<RegKey>(reinterpret_cast<uintptr_t>(k)); }

// lParam values are 32-bit signed quantities (coordinates, -1); widen them
// with their sign on 64-bit Windows.
LPARAM ToLparam(uint32_t v) { return static_cast<LPARAM>(static_cast<int32_t>(v)); }

struct EnumThunk {
    EnumWindowsFn fn;
    void* context;
};

BOOL CALLBACK EnumThunkProc(HWND w, LPARAM l) {
    auto* thunk = reinterpret_cast<EnumThunk*>(l);
    return thunk->fn(FromHwnd(w), thunk->context) ? TRUE : FALSE;
}

struct ThreadThunk {
    ThreadFn fn;
    void* argument;
    HMODULE pinned;  // the library, kept loaded until the thread has ended
};

struct ThreadRun {
    ThreadThunk thunk;
    uint32_t result;
};

void RunThreadBody(void* p) {
    auto* run = static_cast<ThreadRun*>(p);
    QUORVEL_FAULT_POINT(Worker, nullptr);
    run->result = run->thunk.fn(run->thunk.argument);
}

// Every thread the library starts runs its body inside the exception guard
// (after a fault the thread returns 0), and holds a reference on the library
// so that an unhook cannot unload the code under a running worker.
DWORD WINAPI ThreadThunkProc(LPVOID p) {
    ThreadRun run{*static_cast<ThreadThunk*>(p), 0};
    delete static_cast<ThreadThunk*>(p);
    DWORD result = RunGuarded(RunThreadBody, &run) ? run.result : 0;
    if (run.thunk.pinned) ::FreeLibraryAndExitThread(run.thunk.pinned, result);
    return result;
}

HMODULE PinThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&ThreadThunkProc), &module);
    return module;
}

}  // namespace

bool Win32Platform::IsWindow(Hwnd w) { return w && ::IsWindow(ToHwnd(w)); }
Hwnd Win32Platform::GetParent(Hwnd w) { return FromHwnd(::GetParent(ToHwnd(w))); }
Hwnd Win32Platform::GetOwner(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_OWNER)); }
Hwnd Win32Platform::GetFirstChild(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_CHILD)); }
Hwnd Win32Platform::GetNextSibling(Hwnd w) { return FromHwnd(::GetWindow(ToHwnd(w), GW_HWNDNEXT)); }
uint32_t Win32Platform::GetStyle(Hwnd w) { return static_cast<uint32_t>(::GetWindowLongA(ToHwnd(w), GWL_STYLE)); }
uint32_t Win32Platform::GetExStyle(Hwnd w) { return static_cast<uint32_t>(::GetWindowLongA(ToHwnd(w), GWL_EXSTYLE)); }

uint32_t Win32Platform::GetUserData(Hwnd w) {
    return static_cast<uint32_t>(::GetWindowLongPtrA(ToHwnd(w), GWLP_USERDATA));
}

int Win32Platform::GetClassName(Hwnd w, char* buffer, int size) {
    if (size <= 0) return 0;
    buffer[0] = '\0';
    int n = ::GetClassNameA(ToHwnd(w), buffer, size);
    buffer[size - 1] = '\0';
    return n < 0 ? 0 : n;
}

int Win32Platform::GetWindowText(Hwnd w, char* buffer, int size) {
    if (size <= 0) return 0;
    buffer[0] = '\0';
    // InternalGetWindowText reads the text the window manager keeps and
    // sends nothing: a hung window (even one of this process) cannot block
    // the hook the way WM_GETTEXT from GetWindowTextA would.
    wchar_t wide[MAX_WINDOW_TEXT_LEN + 1];
    int count = size < static_cast<int>(MAX_WINDOW_TEXT_LEN + 1) ? size : static_cast<int>(MAX_WINDOW_TEXT_LEN + 1);
    int got = ::InternalGetWindowText(ToHwnd(w), wide, count);
    if (got <= 0) return 0;
    wide[got < count ? got : count - 1] = L'\0';
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, size, nullptr, nullptr);
    buffer[size - 1] = '\0';
    return n > 0 ? static_cast<int>(std::strlen(buffer)) : 0;
}

bool Win32Platform::GetWindowRect(Hwnd w, Rect* rect) {
    RECT r;
    if (!::GetWindowRect(ToHwnd(w), &r)) return false;
    *rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32Platform::IsWindowVisible(Hwnd w) { return ::IsWindowVisible(ToHwnd(w)) != FALSE; }
bool Win32Platform::IsZoomed(Hwnd w) { return ::IsZoomed(ToHwnd(w)) != FALSE; }
Hwnd Win32Platform::FindWindow(const char* className, const char* title) {
    return FromHwnd(::FindWindowA(className, title));
}

void Win32Platform::EnumWindows(EnumWindowsFn fn, void* context) {
    EnumThunk thunk{fn, context};
    ::EnumWindows(EnumThunkProc, reinterpret_cast<LPARAM>(&thunk));
}

Hwnd Win32Platform::WindowFromPoint(Point p) { return FromHwnd(::WindowFromPoint(POINT{p.x, p.y})); }

bool Win32Platform::ScreenToClient(Hwnd w, Point* p) {
    POINT q{p->x, p->y};
    if (!::ScreenToClient(ToHwnd(w), &q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

bool Win32Platform::ClientToScreen(Hwnd w, Point* p) {
    POINT q{p->x, p->y};
    if (!::ClientToScreen(ToHwnd(w), &q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

uint32_t Win32Platform::GetWindowThreadId(Hwnd w) { return ::GetWindowThreadProcessId(ToHwnd(w), nullptr); }
Hwnd Win32Platform::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

bool Win32Platform::MoveWindow(Hwnd w, int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(ToHwnd(w), x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

// ---- monitors (full-screen pause)

bool Win32Platform::GetMonitorRectOfWindow(Hwnd w, Rect* rect) {
    HMONITOR monitor = ::MonitorFromWindow(ToHwnd(w), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoA(monitor, &info)) return false;
    *rect = Rect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    return true;
}

// ---- other processes (exclusions)

uint32_t Win32Platform::GetWindowProcessId(Hwnd w) {
    DWORD processId = 0;
    return ::GetWindowThreadProcessId(ToHwnd(w), &processId) ? processId : 0;
}

// Limited query access is granted across integrity levels; the name query
// exists from Windows Vista on (before that: unknown).
uint32_t Win32Platform::GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) {
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    constexpr DWORD QueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
    static const auto query = reinterpret_cast<QueryImageName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    if (!query || !buffer || size == 0) return 0;
    HANDLE process = ::OpenProcess(QueryLimitedInformation, FALSE, processId);
    if (!process) return 0;
    DWORD length = size;
    const BOOL ok = query(process, 0, buffer, &length);
    ::CloseHandle(process);
    if (!ok || length >= size) return 0;
    buffer[length] = '\0';
    return length;
}

bool Win32Platform::GetCursorPos(Point* p) {
    POINT q;
    if (!::GetCursorPos(&q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

bool Win32Platform::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != FALSE; }

bool Win32Platform::GetCursorInfo(CursorInfo* info) {
    CURSORINFO ci{};
    ci.cbSize = sizeof ci;
    if (!::GetCursorInfo(&ci)) return false;
    info->flags = ci.flags;
    info->pos = Point{ci.ptScreenPos.x, ci.ptScreenPos.y};
    return true;
}

bool Win32Platform::GetCaretPos(Point* p) {
    POINT q;
    if (!::GetCaretPos(&q)) return false;
    *p = Point{q.x, q.y};
    return true;
}

int16_t Win32Platform::GetAsyncKeyState(int vk) { return static_cast<int16_t>(::GetAsyncKeyState(vk)); }
int16_t Win32Platform::GetKeyState(int vk) { return static_cast<int16_t>(::GetKeyState(vk)); }
uint32_t Win32Platform::GetTickCount() { return ::GetTickCount(); }
void Win32Platform::Sleep(uint32_t ms) { ::Sleep(ms); }
int Win32Platform::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

namespace {
struct MonitorList {
    Rect* out;
    int max;
    int count;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM l) {
    auto* list = reinterpret_cast<MonitorList*>(l);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (list->count >= list->max || !::GetMonitorInfoA(monitor, &info)) return list->count < list->max;
    Rect r{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        // The primary monitor goes first.
        for (int i = list->count; i > 0; --i) list->out[i] = list->out[i - 1];
        list->out[0] = r;
    } else {
        list->out[list->count] = r;
    }
    ++list->count;
    return TRUE;
}
}  // namespace

int Win32Platform::GetMonitors(Rect* out, int max) {
    MonitorList list{out, max, 0};
    if (max <= 0 || !::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&list))) {
        return 0;
    }
    return list.count;
}
uint32_t Win32Platform::GetDoubleClickTime() { return ::GetDoubleClickTime(); }
uint32_t Win32Platform::GetCurrentThreadId() { return ::GetCurrentThreadId(); }
uint32_t Win32Platform::GetCurrentProcessId() { return ::GetCurrentProcessId(); }
const char* Win32Platform::GetCommandLine() { return ::GetCommandLineA(); }

uint32_t Win32Platform::GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) {
    if (size == 0) return 0;
    // A folder outside the ANSI code page comes back in its short form, one
    // too long for the buffer as an empty name (never cut).
    DWORD n = AnsiModulePath(reinterpret_cast<HMODULE>(module), buffer, size);
    buffer[size - 1] = '\0';
    return n;
}

void Win32Platform::GetSystemTime(SystemTimeUtc* t) {
    SYSTEMTIME st;
    ::GetSystemTime(&st);
    *t = SystemTimeUtc{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool Win32Platform::GetVersionInfo(OsVersion* v) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
    if (!::GetVersionExA(&info)) return false;
    v->major = info.dwMajorVersion;
    v->minor = info.dwMinorVersion;
    v->build = info.dwBuildNumber;
    v->platformId = info.dwPlatformId;
    static_assert(sizeof info.szCSDVersion == sizeof v->csdVersion, "service-pack text sizes differ");
    memcpy(v->csdVersion, info.szCSDVersion, sizeof v->csdVersion);
    v->csdVersion[sizeof v->csdVersion - 1] = '\0';
    return true;
}

uint16_t Win32Platform::GetSystemDefaultLangId() { return ::GetSystemDefaultLangID(); }
uint32_t Win32Platform::RegisterWindowMessage(const char* name) { return ::RegisterWindowMessageA(name); }

void Win32Platform::GetMemoryStatus(MemoryStatus* m) {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    ::GlobalMemoryStatus(&status);
    *m = MemoryStatus{status.dwTotalPhys, status.dwAvailPhys, status.dwTotalVirtual, status.dwAvailVirtual};
}

uint32_t Win32Platform::GetLastError() { return ::GetLastError(); }

bool Win32Platform::StartThread(ThreadFn fn, void* argument) {
    auto* thunk = new (std::nothrow) ThreadThunk{fn, argument, nullptr};
    if (!thunk) return false;
    thunk->pinned = PinThisModule();
    HANDLE h = ::CreateThread(nullptr, 0, ThreadThunkProc, thunk, 0, nullptr);
    if (!h) {
        if (thunk->pinned) ::FreeLibrary(thunk->pinned);
        delete thunk;
        return false;
    }
    ::CloseHandle(h);  // detached: nobody waits for it
    return true;
}

uint32_t Win32Platform::SendInput(const InputEvent* inputs, uint32_t count) {
    constexpr uint32_t kMaxInputs = 8;
    INPUT in[kMaxInputs] = {};
    if (count > kMaxInputs) count = kMaxInputs;
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

void Win32Platform::AllowSetForegroundFor(Hwnd w) {
    DWORD process = 0;
    if (::GetWindowThreadProcessId(ToHwnd(w), &process) && process) ::AllowSetForegroundWindow(process);
}

bool Win32Platform::PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) {
    return ::PostMessageA(ToHwnd(w), msg, static_cast<WPARAM>(wParam), ToLparam(lParam)) != FALSE;
}

bool Win32Platform::PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) {
    MSG m;
    // Looks at queued input only: removes nothing, yields nothing and
    // dispatches no message sent by another thread.
    if (!::PeekMessageA(&m, ToHwnd(w), msg, msg, PM_NOREMOVE | PM_NOYIELD | PM_QS_INPUT)) return false;
    out->time = m.time;
    out->pt = Point{m.pt.x, m.pt.y};
    return true;
}

bool Win32Platform::ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                                 int showCommand) {
    HINSTANCE r = ::ShellExecuteA(nullptr, verb, file, parameters, directory, showCommand);
    return reinterpret_cast<intptr_t>(r) > 32;
}

HOOKPROC Win32Platform::HookProcFor(int hookType) const {
    switch (hookType) {
        case WH_MOUSE: return hooks_.mouse;
        case WH_CALLWNDPROCRET: return hooks_.callWndRet;
        case WH_GETMESSAGE: return hooks_.getMessage;
        default: return nullptr;
    }
}

uint32_t Win32Platform::SetWindowsHook(int hookType, uintptr_t module) {
    HOOKPROC proc = HookProcFor(hookType);
    if (!proc) return 0;
    HHOOK h = ::SetWindowsHookExA(hookType, proc, reinterpret_cast<HINSTANCE>(module), 0);
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
}

bool Win32Platform::UnhookWindowsHook(uint32_t hook) {
    return ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(WidenHandle(hook))) != FALSE;
}

namespace {
// The 32-bit installer and Quorvel.exe keep the machine-wide key in the
// 32-bit registry view; the 64-bit library opens the same view, so both
// libraries share one setting word and one Smart Move memory.
REGSAM InSharedView(uint32_t access) {
    return sizeof(void*) == 8 ? (access | KEY_WOW64_32KEY) : access;
}
}  // namespace

long Win32Platform::RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    HKEY k = nullptr;
    long rc = ::RegOpenKeyExA(ToHkey(root), subKey, 0, InSharedView(access), &k);
    if (rc == ERROR_SUCCESS) *out = FromHkey(k);
    return rc;
}

long Win32Platform::RegCreateKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    HKEY k = nullptr;
    long rc = ::RegCreateKeyExA(ToHkey(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, InSharedView(access),
                                nullptr, &k, nullptr);
    if (rc == ERROR_SUCCESS) *out = FromHkey(k);
    return rc;
}

long Win32Platform::RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) {
    DWORD type = 0, size = dataSize;
    long rc = ::RegQueryValueExA(ToHkey(key), name, nullptr, &type, static_cast<BYTE*>(data), &size);
    info->type = type;
    info->size = size;
    return rc;
}

long Win32Platform::RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) {
    return ::RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

long Win32Platform::RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info,
                                 void* data, uint32_t dataSize) {
    DWORD nameLength = nameSize, type = 0, size = dataSize;
    long rc = ::RegEnumValueA(ToHkey(key), index, name, &nameLength, nullptr, &type, static_cast<BYTE*>(data), &size);
    info->type = type;
    info->size = size;
    return rc;
}

long Win32Platform::RegCloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

// A text file open for writing. Text mode ("\n" stored as CR LF) is done
// here, and everything written between open and close goes to the file in
// one append, so that the lines of concurrent writers (any thread of any
// process) never overwrite each other: the file is opened for appending
// only, which the system makes atomic.
struct TextFile {
    HANDLE handle;
    DWORD used;
    char buffer[16384];
};

namespace {

void Flush(TextFile* f) {
    if (f->used == 0) return;
    DWORD written = 0;
    ::WriteFile(f->handle, f->buffer, f->used, &written, nullptr);
    f->used = 0;
}

void Put(TextFile* f, char c) {
    if (f->used == sizeof f->buffer) Flush(f);
    f->buffer[f->used++] = c;
}

}  // namespace

FileId Win32Platform::OpenTextFile(const char* path, bool truncate) {
    DWORD access = truncate ? GENERIC_WRITE : FILE_APPEND_DATA;
    HANDLE h = ::CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             truncate ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    auto* f = static_cast<TextFile*>(::HeapAlloc(::GetProcessHeap(), 0, sizeof(TextFile)));
    if (!f) {
        ::CloseHandle(h);
        return 0;
    }
    f->handle = h;
    f->used = 0;
    return reinterpret_cast<FileId>(f);
}

void Win32Platform::WriteText(FileId id, const char* text) {
    auto* f = reinterpret_cast<TextFile*>(id);
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') Put(f, '\r');
        Put(f, *p);
    }
}

void Win32Platform::CloseFile(FileId id) {
    auto* f = reinterpret_cast<TextFile*>(id);
    Flush(f);
    ::CloseHandle(f->handle);
    ::HeapFree(::GetProcessHeap(), 0, f);
}

}  // namespace quorvel
