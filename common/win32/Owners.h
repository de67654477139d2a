// Scoped owners of Windows resources: whatever they hold is given back when
// they go, on every path. One template, `Owned`, with a release rule per
// kind of handle; a few owners whose release needs more than the handle
// (a window's device context, a selected GDI object, a painting) are
// classes of their own.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvel {

// Owns one handle of a kind; Traits names the empty value and the release.
template <typename Handle, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    // Gives back what is held and takes `handle`.
    void Reset(Handle handle = Traits::Empty()) {
        const Handle old = std::exchange(handle_, handle);
        if (Traits::Valid(old)) Traits::Free(old);
    }
    // Hands the handle over without giving it back.
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    // For an out-parameter: whatever was held is given back first.
    Handle* Out() {
        Reset();
        return &handle_;
    }
    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }

private:
    Handle handle_ = Traits::Empty();
};

namespace owners {

template <typename Handle>
struct NullIsEmpty {
    static Handle Empty() { return nullptr; }
    static bool Valid(Handle h) { return h != nullptr; }
};

struct Kernel {  // CreateFile, CreateEvent, OpenProcess, threads, mappings...
    static HANDLE Empty() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};
struct RegistryKey : NullIsEmpty<HKEY> {
    static void Free(HKEY k) { RegCloseKey(k); }
};
struct Module : NullIsEmpty<HMODULE> {
    static void Free(HMODULE m) { FreeLibrary(m); }
};
template <typename Object>
struct GdiObject : NullIsEmpty<Object> {
    static void Free(Object o) { DeleteObject(o); }
};
struct MemoryDc : NullIsEmpty<HDC> {  // CreateCompatibleDC, CreateDC
    static void Free(HDC dc) { DeleteDC(dc); }
};
struct Icon : NullIsEmpty<HICON> {  // icons made or loaded for us (not shared ones)
    static void Free(HICON i) { DestroyIcon(i); }
};
struct Menu : NullIsEmpty<HMENU> {
    static void Free(HMENU m) { DestroyMenu(m); }
};
struct Window : NullIsEmpty<HWND> {
    static void Free(HWND w) { DestroyWindow(w); }
};
struct LocalMemory : NullIsEmpty<HLOCAL> {  // LocalAlloc, security descriptors
    static void Free(HLOCAL m) { LocalFree(m); }
};
struct Find {  // FindFirstFile
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { FindClose(h); }
};
struct MappedView {
    static void* Empty() { return nullptr; }
    static bool Valid(void* v) { return v != nullptr; }
    static void Free(void* v) { UnmapViewOfFile(v); }
};

}  // namespace owners

using OwnedHandle = Owned<HANDLE, owners::Kernel>;
using OwnedKey = Owned<HKEY, owners::RegistryKey>;
using OwnedModule = Owned<HMODULE, owners::Module>;
using OwnedBitmap = Owned<HBITMAP, owners::GdiObject<HBITMAP>>;
using OwnedBrush = Owned<HBRUSH, owners::GdiObject<HBRUSH>>;
using OwnedFont = Owned<HFONT, owners::GdiObject<HFONT>>;
using OwnedPen = Owned<HPEN, owners::GdiObject<HPEN>>;
using OwnedRegion = Owned<HRGN, owners::GdiObject<HRGN>>;
using OwnedMemoryDc = Owned<HDC, owners::MemoryDc>;
using OwnedIcon = Owned<HICON, owners::Icon>;
using OwnedMenu = Owned<HMENU, owners::Menu>;
using OwnedWindow = Owned<HWND, owners::Window>;
using OwnedLocal = Owned<HLOCAL, owners::LocalMemory>;
using OwnedView = Owned<void*, owners::MappedView>;
using OwnedFind = Owned<HANDLE, owners::Find>;

// A window's device context from GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint around the painting of a window.
class Painting {
public:
    explicit Painting(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~Painting() { EndPaint(window_, &paint_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// An object selected into a device context; the previous one is selected
// again when this goes.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selected() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A COM interface reference, released when it goes.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComRef() { Reset(); }

    // Takes a reference of its own on an interface someone else holds.
    static ComRef Borrow(T* p) {
        ComRef r;
        r.p_ = p;
        if (p) p->AddRef();
        return r;
    }

    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For an out-parameter: whatever was held is released first.
    T** Out() {
        Reset();
        return &p_;
    }
    template <typename U>
    ComRef<U> As() const {
        ComRef<U> r;
        if (p_ && FAILED(p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(r.Out())))) r.Reset();
        return r;
    }

    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace quorvel

namespace quorvel {

namespace owners {
struct Cursor : NullIsEmpty<HCURSOR> {  // cursors made for us (not shared ones)
    static void Free(HCURSOR c) { DestroyCursor(c); }
};
}  // namespace owners

using OwnedCursor = Owned<HCURSOR, owners::Cursor>;

}  // namespace quorvel
