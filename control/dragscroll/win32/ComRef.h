// Scoped owners of BSTR texts and VARIANTs (COM references: common/win32/Owners.h):
// whatever they hold is released when they go, on every path.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

#include "common/win32/Owners.h"

namespace quorvel {

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
