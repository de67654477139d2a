#include "FakeWindows.h"

#include <algorithm>

#include "FakeText.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel::testing {

Hwnd FakeWindows::AddWindow(const FakeWindow& w, Hwnd handle) {
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

void FakeWindows::DestroyWindow(Hwnd h) {
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

void FakeWindows::BringToFront(Hwnd h) {
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), h), zOrder.end());
    zOrder.insert(zOrder.begin(), h);
}

const FakeWindow* FakeWindows::Find(Hwnd h) const {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

bool FakeWindows::IsWindow(Hwnd w) { return Find(w) != nullptr; }

Hwnd FakeWindows::GetParent(Hwnd w) {
    const FakeWindow* f = Find(w);
    if (!f) return 0;
    return f->parent ? f->parent : f->owner;
}

Hwnd FakeWindows::GetOwner(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->owner : 0;
}

Hwnd FakeWindows::GetFirstChild(Hwnd w) {
    auto it = children.find(w);
    return (it == children.end() || it->second.empty()) ? 0 : it->second.front();
}

Hwnd FakeWindows::GetNextSibling(Hwnd w) {
    const FakeWindow* f = Find(w);
    if (!f) return 0;
    const std::vector<Hwnd>& list = f->parent ? children[f->parent] : zOrder;
    auto it = std::find(list.begin(), list.end(), w);
    if (it == list.end() || ++it == list.end()) return 0;
    return *it;
}

uint32_t FakeWindows::GetStyle(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->style : 0;
}

uint32_t FakeWindows::GetExStyle(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->exStyle : 0;
}

uint32_t FakeWindows::GetUserData(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->userData : 0;
}

int FakeWindows::GetClassName(Hwnd w, char* buffer, int size) {
    const FakeWindow* f = Find(w);
    return CopyOut(f ? f->className : std::string(), buffer, size);
}

int FakeWindows::GetWindowText(Hwnd w, char* buffer, int size) {
    const FakeWindow* f = Find(w);
    return CopyOut(f ? f->title : std::string(), buffer, size);
}

bool FakeWindows::GetWindowRect(Hwnd w, Rect* rect) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    *rect = f->rect;
    return true;
}

bool FakeWindows::IsWindowVisible(Hwnd w) {
    for (const FakeWindow* f = Find(w); f; f = f->parent ? Find(f->parent) : nullptr) {
        if (!f->visible) return false;
        if (!f->parent) return true;
    }
    return false;
}

bool FakeWindows::IsZoomed(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f && f->zoomed;
}

Hwnd FakeWindows::FindWindow(const char* className, const char* title) {
    for (Hwnd h : zOrder) {
        const FakeWindow& f = windows_.at(h);
        if (className && f.className != className) continue;
        if (title && f.title != title) continue;
        return h;
    }
    return 0;
}

void FakeWindows::EnumWindows(EnumWindowsFn fn, void* context) {
    for (Hwnd h : std::vector<Hwnd>(zOrder)) {
        if (!fn(h, context)) return;
    }
}

Hwnd FakeWindows::Deepest(Hwnd w, Point p) const {
    auto it = children.find(w);
    if (it != children.end()) {
        for (Hwnd c : it->second) {
            const FakeWindow* f = Find(c);
            if (f && f->visible && f->rect.Contains(p)) return Deepest(c, p);
        }
    }
    return w;
}

Hwnd FakeWindows::WindowFromPoint(Point p) {
    for (Hwnd h : zOrder) {
        const FakeWindow& f = windows_.at(h);
        if (f.visible && f.rect.Contains(p)) return Deepest(h, p);
    }
    return 0;
}

bool FakeWindows::ScreenToClient(Hwnd w, Point* p) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    Point origin =
        f->clientOrigin.x == -1 && f->clientOrigin.y == -1 ? Point{f->rect.left, f->rect.top} : f->clientOrigin;
    p->x -= origin.x;
    p->y -= origin.y;
    return true;
}

bool FakeWindows::ClientToScreen(Hwnd w, Point* p) {
    const FakeWindow* f = Find(w);
    if (!f) return false;
    Point origin =
        f->clientOrigin.x == -1 && f->clientOrigin.y == -1 ? Point{f->rect.left, f->rect.top} : f->clientOrigin;
    p->x += origin.x;
    p->y += origin.y;
    return true;
}

uint32_t FakeWindows::GetWindowThreadId(Hwnd w) {
    const FakeWindow* f = Find(w);
    return f ? f->threadId : 0;
}

Hwnd FakeWindows::GetForegroundWindow() { return foreground; }

bool FakeWindows::MoveWindow(Hwnd w, int x, int y, int width, int height, bool) {
    auto it = windows_.find(w);
    if (it == windows_.end()) return false;
    moves.emplace_back(w, x, y, width, height);
    it->second.rect = Rect{x, y, x + width, y + height};
    return true;
}

// ---------------------------------------------------------------- processes

uint32_t FakeProcesses::GetWindowProcessId(Hwnd w) {
    const FakeWindow* f = windows_.Find(w);
    return f ? f->processId : 0;
}

uint32_t FakeProcesses::GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) {
    ++imageQueries;
    auto it = processImages.find(processId);
    if (it == processImages.end() || size == 0) return 0;
    return static_cast<uint32_t>(CopyOut(it->second, buffer, static_cast<int>(size)));
}

}  // namespace quorvel::testing
