#include "FakeDesktop.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {
namespace {

int CopyOut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return 0;
    int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

}  // namespace

FakeDesktop::FakeDesktop() {
    metrics[win::SM_CXSCREEN] = 1024;
    metrics[win::SM_CYSCREEN] = 768;
    metrics[win::SM_CXDOUBLECLK] = 4;
    metrics[win::SM_CYDOUBLECLK] = 4;
    metrics[win::SM_CXHSCROLL] = 16;
    metrics[win::SM_CYHSCROLL] = 16;
    metrics[win::SM_CXVSCROLL] = 16;
    metrics[win::SM_CYVSCROLL] = 16;
    metrics[win::SM_SWAPBUTTON] = 0;
    version.major = 5;
    version.minor = 1;
    version.build = 2600;
    version.platformId = win::VER_PLATFORM_WIN32_NT;
    std::strcpy(version.csdVersion, "Service Pack 3");
    moduleNames[0] = "C:\\Program Files\\App\\app.exe";
}

// ---------------------------------------------------------------- windows

Hwnd FakeDesktop::AddWindow(const FakeWindow& w, Hwnd handle) {
    Hwnd h = handle;
    if (!h) {
        h = nextHandle_;
        nextHandle_ += 4;
    }
    windows_[h] = w;
    if (w.parent) {
        children[w.parent].push_back(h);
    } else {
        zOrder.insert(zOrder.begin(), h);
    }
    return h;
}

void FakeDesktop::DestroyWindow(Hwnd h) {
    auto it = windows_.find(h);
    if (it == windows_.end()) return;
    for (Hwnd c : std::vector<Hwnd>(children[h])) DestroyWindow(c);
    children.erase(h);
    if (it->second.parent) {
        auto& siblings = children[it->second.parent];
        siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    }
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), h), zOrder.end());
    windows_.erase(h);
}

void FakeDesktop::BringToFront(Hwnd h) {
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), h), zOrder.end());
    zOrder.insert(zOrder.begin(), h);
}

const FakeWindow* FakeDesktop::Find(Hwnd h) const {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

bool FakeDesktop::IsWindow(Hwnd w) { return Find(w) != nullptr; }

Hwnd FakeDesktop::GetParent(Hwnd w) {
    const FakeWindow* f = Find(w);
    if (!f) return 0;
    return f->parent ? f->parent : f->owner;
}

Hwnd FakeDesktop::GetOwner(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->owner : 0;
}

Hwnd FakeDesktop::GetFirstChild(Hwnd w) {
    auto it = children.find(w);
    return (it == children.end() || it->second.empty()) ? 0 : it->second.front();
}

Hwnd FakeDesktop::GetNextSibling(Hwnd w) {
    const FakeWindow* f = Find(w);
    if (!f) return 0;
    const std::vector<Hwnd>& list = f->parent ? children[f->parent] : zOrder;
    auto it = std::find(list.begin(), list.end(), w);
    if (it == list.end() || ++it == list.end()) return 0;
    return *it;
}

uint32_t FakeDesktop::GetStyle(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->style : 0;
}

uint32_t FakeDesktop::GetExStyle(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->exStyle : 0;
}

uint32_t FakeDesktop::GetUserData(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->userData : 0;
}

int FakeDesktop::GetClassName(Hwnd w, char* buffer, int size) {
    const FakeWindow* f = Find(w);
    return CopyOut(f ? f->className : std::string(), buffer, size);
}

int FakeDesktop::GetWindowText(Hwnd w, char* buffer, int size) {
    const FakeWindow* f = Find(w);
    return CopyOut(f ? f->title : std::string(), buffer, size);
}

bool FakeDesktop::GetWindowRect(Hwnd w, Rect* rect) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    *rect = f->rect;
    return true;
}

bool FakeDesktop::IsWindowVisible(Hwnd w) {
    for (const FakeWindow* f = Find(w); f; f = f->parent ? Find(f->parent) : nullptr) {
        if (!f->visible) return false;
        if (!f->parent) return true;
    }
    return false;
}

bool FakeDesktop::IsZoomed(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f && f->zoomed;
}

Hwnd FakeDesktop::FindWindow(const char* className, const char* title) {
    for (Hwnd h : zOrder) {
        const FakeWindow& f = windows_.at(h);
        if (className && f.className != className) continue;
        if (title && f.title != title) continue;
        return h;
    }
    return 0;
}

void FakeDesktop::EnumWindows(EnumWindowsFn fn, void* context) {
    for (Hwnd h : std::vector<Hwnd>(zOrder)) {
        if (!fn(h, context)) return;
    }
}

Hwnd FakeDesktop::Deepest(Hwnd w, Point p) const {
    auto it = children.find(w);
    if (it != children.end()) {
        for (Hwnd c : it->second) {
            const FakeWindow* f = Find(c);
            if (f && f->visible && f->rect.Contains(p)) return Deepest(c, p);
        }
    }
    return w;
}

Hwnd FakeDesktop::WindowFromPoint(Point p) {
    for (Hwnd h : zOrder) {
        const FakeWindow& f = windows_.at(h);
        if (f.visible && f.rect.Contains(p)) return Deepest(h, p);
    }
    return 0;
}

bool FakeDesktop::ScreenToClient(Hwnd w, Point* p) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    Point origin = f->clientOrigin.x == -1 && f->clientOrigin.y == -1 ? Point{f->rect.left, f->rect.top}
                                                                      : f->clientOrigin;
    p->x -= origin.x;
    p->y -= origin.y;
    return true;
}

bool FakeDesktop::ClientToScreen(Hwnd w, Point* p) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    Point origin = f->clientOrigin.x == -1 && f->clientOrigin.y == -1 ? Point{f->rect.left, f->rect.top}
                                                                      : f->clientOrigin;
    p->x += origin.x;
    p->y += origin.y;
    return true;
}

uint32_t FakeDesktop::GetWindowThreadId(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->threadId : 0;
}

Hwnd FakeDesktop::GetForegroundWindow() { return foreground; }

uint32_t FakeDesktop::GetWindowProcessId(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->processId : 0;
}

uint32_t FakeDesktop::GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) {
    ++imageQueries;
    auto it = processImages.find(processId);
    if (it == processImages.end() || size == 0) return 0;
    return static_cast<uint32_t>(CopyOut(it->second, buffer, static_cast<int>(size)));
}

bool FakeDesktop::GetMonitorRectOfWindow(Hwnd w, Rect* rect) {
    ++monitorQueries;
    const FakeWindow* f = Find(w);
    if (!f || monitors.empty()) return false;
    auto overlap = [&](const Rect& m) -> long long {
        const long long width = std::min(f->rect.right, m.right) - std::max(f->rect.left, m.left);
        const long long height = std::min(f->rect.bottom, m.bottom) - std::max(f->rect.top, m.top);
        return width > 0 && height > 0 ? width * height : 0;
    };
    *rect = monitors.front();
    for (const Rect& m : monitors) {
        if (overlap(m) > overlap(*rect)) *rect = m;
    }
    return true;
}

bool FakeDesktop::MoveWindow(Hwnd w, int x, int y, int width, int height, bool) {
    auto it = windows_.find(w);
    if (it == windows_.end()) return false;
    moves.emplace_back(w, x, y, width, height);
    it->second.rect = Rect{x, y, x + width, y + height};
    return true;
}

// ---------------------------------------------------------------- cursor, clock, system

bool FakeDesktop::GetCursorPos(Point* p) {
    if (!cursorReadable) return false;
    *p = cursor;
    return true;
}

bool FakeDesktop::SetCursorPos(int x, int y) {
    cursor = Point{x, y};
    cursorMoves.push_back(cursor);
    return true;
}

bool FakeDesktop::GetCursorInfo(CursorInfo* info) {
    if (!cursorReadable) return false;
    *info = cursorInfo;
    info->pos = cursor;
    return true;
}

bool FakeDesktop::GetCaretPos(Point* p) {
    if (!hasCaret) return false;
    *p = caret;
    return true;
}

int16_t FakeDesktop::GetKeyState(int vk) {
    auto it = keyStates.find(vk);
    return it == keyStates.end() ? 0 : it->second;
}

int16_t FakeDesktop::GetAsyncKeyState(int vk) {
    auto it = asyncKeys.find(vk);
    return it == asyncKeys.end() ? 0 : it->second;
}

uint32_t FakeDesktop::GetTickCount() { return tick; }

void FakeDesktop::Sleep(uint32_t ms) {
    sleeps.push_back(ms);
    tick += ms;
}

int FakeDesktop::GetSystemMetrics(int index) {
    auto it = metrics.find(index);
    return it == metrics.end() ? 0 : it->second;
}

int FakeDesktop::GetMonitors(Rect* out, int max) {
    std::vector<Rect> all = monitors;
    if (all.empty()) all.push_back(Rect{0, 0, GetSystemMetrics(win::SM_CXSCREEN), GetSystemMetrics(win::SM_CYSCREEN)});
    int n = 0;
    for (const Rect& r : all) {
        if (n >= max) break;
        out[n++] = r;
    }
    return n;
}

uint32_t FakeDesktop::GetDoubleClickTime() { return doubleClickTime; }
uint32_t FakeDesktop::GetCurrentThreadId() { return threadId; }
uint32_t FakeDesktop::GetCurrentProcessId() { return processId; }

const char* FakeDesktop::GetCommandLine() {
    commandLineStore_ = commandLine;
    return commandLineStore_.c_str();
}

uint32_t FakeDesktop::GetModuleFileName(uintptr_t module, char* buffer, uint32_t size) {
    auto it = moduleNames.find(module);
    if (it == moduleNames.end() || size == 0) return 0;
    return static_cast<uint32_t>(CopyOut(it->second, buffer, static_cast<int>(size)));
}

void FakeDesktop::GetSystemTime(SystemTimeUtc* t) { *t = systemTime; }

bool FakeDesktop::GetVersionInfo(OsVersion* v) {
    if (!versionReadable) return false;
    *v = version;
    return true;
}

uint16_t FakeDesktop::GetSystemDefaultLangId() { return langId; }
uint32_t FakeDesktop::RegisterWindowMessage(const char*) { return registeredMessage; }
void FakeDesktop::GetMemoryStatus(MemoryStatus* m) { *m = memory; }
uint32_t FakeDesktop::GetLastError() { return lastError; }

bool FakeDesktop::StartThread(ThreadFn fn, void* argument) {
    if (!threadsCanStart) return false;
    threads.push_back(StartedThread{fn, argument});
    return true;
}

void FakeDesktop::RunThreads() {
    while (!threads.empty()) {
        StartedThread t = threads.front();
        threads.erase(threads.begin());
        t.fn(t.argument);
    }
}

void FakeDesktop::ClearRecords() {
    posted.clear();
    inputs.clear();
    shellCalls.clear();
    cursorMoves.clear();
    sleeps.clear();
    moves.clear();
}

// ---------------------------------------------------------------- input, messages, programs, hooks

uint32_t FakeDesktop::SendInput(const InputEvent* in, uint32_t count) {
    inputs.emplace_back(in, in + count);
    return count;
}

bool FakeDesktop::PostMessage(Hwnd w, uint32_t msg, uint32_t wParam, uint32_t lParam) {
    posted.push_back(PostedMessage{w, msg, wParam, lParam});
    return Find(w) != nullptr;
}

bool FakeDesktop::PeekMessage(Hwnd w, uint32_t msg, QueuedMessage* out) {
    auto it = queued.find({w, msg});
    if (it == queued.end()) return false;
    *out = it->second;
    return true;
}

bool FakeDesktop::ShellExecute(const char* verb, const char* file, const char* parameters, const char* directory,
                               int showCommand) {
    shellCalls.push_back(ShellCall{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                                   directory ? directory : "", showCommand});
    return true;
}

uint32_t FakeDesktop::SetWindowsHook(int hookType, uintptr_t module) {
    if (failingHookTypes.count(hookType)) {
        lastError = 0x57;
        return 0;
    }
    hooksSet.emplace_back(hookType, module);
    return nextHook_++;
}

bool FakeDesktop::UnhookWindowsHook(uint32_t hook) {
    if (unhookFails) {
        lastError = 0x594;
        return false;
    }
    hooksRemoved.push_back(hook);
    return true;
}

// ---------------------------------------------------------------- registry

std::string FakeDesktop::Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string FakeDesktop::KeyPath(RegKey root, const char* subKey) const {
    std::string base;
    if (root != win::HKEY_LOCAL_MACHINE) {
        auto it = regHandles_.find(root);
        if (it == regHandles_.end()) return std::string();
        base = it->second + "\\";
    }
    return Lower(base + (subKey ? subKey : ""));
}

void FakeDesktop::CreateKey(const std::string& key) { registry[Lower(key)]; }
bool FakeDesktop::KeyExists(const std::string& key) const { return registry.count(Lower(key)) != 0; }

void FakeDesktop::SetDword(const std::string& key, const std::string& name, uint32_t value) {
    registry[Lower(key)][Lower(name)] = RegData{win::REG_DWORD, std::string(reinterpret_cast<char*>(&value), 4)};
}

bool FakeDesktop::GetDword(const std::string& key, const std::string& name, uint32_t* value) const {
    auto k = registry.find(Lower(key));
    if (k == registry.end()) return false;
    auto v = k->second.find(Lower(name));
    if (v == k->second.end() || v->second.bytes.size() < 4) return false;
    std::memcpy(value, v->second.bytes.data(), 4);
    return true;
}

long FakeDesktop::RegOpenKey(RegKey root, const char* subKey, uint32_t access, RegKey* out) {
    std::string path = KeyPath(root, subKey);
    if (deniedKeys.count(path)) return win::ERROR_ACCESS_DENIED;
    if (registryReadOnly && (access & ~win::KEY_READ) != 0) return win::ERROR_ACCESS_DENIED;
    if (path.empty() || !registry.count(path)) return win::ERROR_FILE_NOT_FOUND;
    *out = nextRegKey_++;
    regHandles_[*out] = path;
    return win::ERROR_SUCCESS;
}

long FakeDesktop::RegCreateKey(RegKey root, const char* subKey, uint32_t, RegKey* out) {
    std::string path = KeyPath(root, subKey);
    if (deniedKeys.count(path) || registryReadOnly) return win::ERROR_ACCESS_DENIED;
    if (path.empty()) return win::ERROR_FILE_NOT_FOUND;
    registry[path];
    *out = nextRegKey_++;
    regHandles_[*out] = path;
    return win::ERROR_SUCCESS;
}

long FakeDesktop::RegQueryValue(RegKey key, const char* name, RegValue* info, void* data, uint32_t dataSize) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;  // ERROR_INVALID_HANDLE
    auto& values = registry[h->second];
    auto v = values.find(Lower(name ? name : ""));
    if (v == values.end()) return win::ERROR_FILE_NOT_FOUND;
    info->type = v->second.type;
    info->size = static_cast<uint32_t>(v->second.bytes.size());
    if (v->second.bytes.size() > dataSize) return win::ERROR_MORE_DATA;
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    return win::ERROR_SUCCESS;
}

long FakeDesktop::RegSetValue(RegKey key, const char* name, uint32_t type, const void* data, uint32_t size) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;
    if (registryReadOnly) return win::ERROR_ACCESS_DENIED;
    registry[h->second][Lower(name ? name : "")] = RegData{type, std::string(static_cast<const char*>(data), size)};
    return win::ERROR_SUCCESS;
}

long FakeDesktop::RegEnumValue(RegKey key, uint32_t index, char* name, uint32_t nameSize, RegValue* info, void* data,
                               uint32_t dataSize) {
    auto h = regHandles_.find(key);
    if (h == regHandles_.end()) return 6;
    auto& values = registry[h->second];
    if (index >= values.size()) return win::ERROR_NO_MORE_ITEMS;
    auto v = std::next(values.begin(), index);
    if (v->first.size() + 1 > nameSize || v->second.bytes.size() > dataSize) return win::ERROR_MORE_DATA;
    CopyOut(v->first, name, static_cast<int>(nameSize));
    info->type = v->second.type;
    info->size = static_cast<uint32_t>(v->second.bytes.size());
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    return win::ERROR_SUCCESS;
}

long FakeDesktop::RegCloseKey(RegKey key) {
    return regHandles_.erase(key) ? win::ERROR_SUCCESS : 6;
}

// ---------------------------------------------------------------- files

FileId FakeDesktop::OpenTextFile(const char* path, bool truncate) {
    std::string p = path ? path : "";
    for (const std::string& folder : readOnlyFolders) {
        if (Lower(p).rfind(Lower(folder), 0) == 0) return 0;
    }
    if (truncate) files[p].clear();
    else files[p];
    FileId id = nextFile_++;
    openFiles_[id] = p;
    return id;
}

void FakeDesktop::WriteText(FileId f, const char* text) {
    auto it = openFiles_.find(f);
    if (it != openFiles_.end()) files[it->second] += text;
}

void FakeDesktop::CloseFile(FileId f) { openFiles_.erase(f); }

std::vector<std::string> FakeDesktop::Lines(const std::string& path) const {
    std::vector<std::string> out;
    auto it = files.find(path);
    if (it == files.end()) return out;
    std::istringstream in(it->second);
    std::string line;
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

// ---------------------------------------------------------------- FakeLibrary

FakeLibrary::FakeLibrary() {
    InitialiseSharedState(shared);
    std::strcpy(shared.InstallPath, "C:\\Quorvel\\");
    std::strcpy(shared.SetForegroundWindowPath, "C:\\Quorvel\\SetForegroundWindow.exe");
    std::strcpy(process.InstallFolder, shared.InstallPath);
    std::strcpy(process.SetForegroundWindowPath, shared.SetForegroundWindowPath);
    shared.FirstInitPending = 0;
    shared.IsNTPlatform = 1;
    shared.ScreenWidth = 1024;
    shared.ScreenHeight = 768;
    shared.DoubleClickTime = 500;
    shared.DoubleClickWidth = 4;
    shared.DoubleClickHeight = 4;
    process.lock = &lock;
    process.ModuleHandle = 0x10000000;
    os.moduleNames[process.ModuleHandle] = "C:\\Quorvel\\system.dat";
    os.CreateKey("SOFTWARE\\Harnwick\\Quorvel");
}

std::string FakeLibrary::LogPath() const { return std::string(shared.InstallPath) + "QuorvelLog.txt"; }
std::vector<std::string> FakeLibrary::LogLines() const { return os.Lines(LogPath()); }

bool FakeLibrary::LogHas(const std::string& text) const {
    auto it = os.files.find(LogPath());
    return it != os.files.end() && it->second.find(text) != std::string::npos;
}

void FakeLibrary::ClearLog() { os.files.erase(LogPath()); }

}  // namespace quorvel::testing
