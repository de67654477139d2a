// Scoped owners of COM references, BSTR texts and VARIANTs: whatever they
// hold is released when they go, on every path.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace quorvel {

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

class BstrText {
 public:
  BstrText() = default;
  BstrText(const BstrText&) = delete;
  BstrText& operator=(const BstrText&) = delete;
  ~BstrText() { SysFreeString(text_); }
  BSTR* Out() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  // The text in the ANSI code page (tag names are plain ASCII).
  std::string Narrow() const {
    if (!text_) return {};
    const int length = static_cast<int>(SysStringLen(text_));
    const int size = WideCharToMultiByte(CP_ACP, 0, text_, length, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size : 0, '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, text_, length, &out[0], size, nullptr, nullptr);
    return out;
  }

 private:
  BSTR text_ = nullptr;
};

struct VariantValue {
  VariantValue() { VariantInit(&value); }
  VariantValue(const VariantValue&) = delete;
  VariantValue& operator=(const VariantValue&) = delete;
  ~VariantValue() { VariantClear(&value); }
  VARIANT value;
};

}  // namespace quorvel
