#include "Win32DragScroll.h"

#include <objbase.h>

#include "MshtmlPage.h"

namespace quorvel {

namespace {
HWND WindowOf(uint32_t handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }
}  // namespace

// S_FALSE (already initialised on this thread) also needs its CoUninitialize;
// RPC_E_CHANGED_MODE does not.
ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialised_) CoUninitialize();
}

Win32DragScroll::Win32DragScroll(HookLibrary& library, TraceWriter trace)
    : library_(library), trace_(trace), scroll_(*this) {}

std::unique_ptr<PageDocument> Win32DragScroll::DocumentOf(uint32_t contentWindow) {
    return MshtmlDocumentOf(WindowOf(contentWindow));
}

bool Win32DragScroll::IsWindow(uint32_t window) { return window && ::IsWindow(WindowOf(window)); }

}  // namespace quorvel
