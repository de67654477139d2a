// HookFilters.h (and the Windows numbers it restates) comes before windows.h,
// whose macros carry the same names.
#include "hooklib/core/HookFilters.h"
#include "HookEntries.h"

#include "hooklib/core/Architecture.h"
#include "hooklib/hooks/HookProcedures.h"
#include "hooklib/core/ProcessGate.h"
#include "hooklib/gestures/GestureCancel.h"
#include "hooklib/core/win32/ExceptionGuard.h"
#include "hooklib/core/win32/FaultPoints.h"
#include "LibraryProcess.h"
#include "hooklib/core/win32/Win32Platform.h"

namespace quorvel {
namespace {

HHOOK HookHandle(Context* ctx, HookSlotKind kind) {
    return ctx ? reinterpret_cast<HHOOK>(WidenHandle(OwnHookHandle(*ctx, kind))) : nullptr;
}

// Whether this call is for this library to serve (checked only for the
// messages a body looks at, after the cheap filters): false when the other
// architecture's library serves the program on this installing thread.
bool Serves(Context& ctx) { return !ServedByOtherLibrary(ctx); }

struct MouseCall {
    Context* ctx;
    int code;
    WPARAM wParam;
    LPARAM lParam;
    bool swallow;
};

// The gate keeps gestures from starting, never from ending: where it keeps
// the hooks out, the body still sees a message while a gesture is under
// way, to call it off.
void MouseBody(void* p) {
    auto* c = static_cast<MouseCall*>(p);
    const auto* record = reinterpret_cast<const MOUSEHOOKSTRUCT*>(c->lParam);
    const bool mayAct = HookMayAct(*c->ctx, HookKind::Mouse, static_cast<uint32_t>(c->wParam), FromHwnd(record->hwnd));
    if (!mayAct && GesturesUnderWay(c->ctx->shared) == 0) return;
    MouseHookInput in;
    in.message = static_cast<uint32_t>(c->wParam);
    in.pt = Point{record->pt.x, record->pt.y};
    in.hwnd = FromHwnd(record->hwnd);
    in.gated = !mayAct;
    QUORVEL_FAULT_SEND(record->hwnd);
    QUORVEL_FAULT_POINT(Mouse, c->ctx);
    QUORVEL_FAULT_POINT(Crt, c->ctx);
    c->swallow = MouseHookProc(*c->ctx, c->code, in);
}

struct RetCall {
    Context* ctx;
    int code;
    LPARAM lParam;
};

void CallWndRetBody(void* p) {
    auto* c = static_cast<RetCall*>(p);
    const auto* record = reinterpret_cast<const CWPRETSTRUCT*>(c->lParam);
    if (!HookMayAct(*c->ctx, HookKind::CallWndRet, record->message, FromHwnd(record->hwnd))) return;
    CallWndRetInput in;
    in.message = record->message;
    in.wParam = static_cast<uint32_t>(record->wParam);
    in.lParam = static_cast<uint32_t>(record->lParam);
    in.hwnd = FromHwnd(record->hwnd);
    QUORVEL_FAULT_POINT(CallWndRet, c->ctx);
    QUORVEL_FAULT_POINT(Lock, c->ctx);
    CallWndRetHookProc(*c->ctx, c->code, in);
}

struct GetMessageCall {
    Context* ctx;
    int code;
    WPARAM wParam;
    LPARAM lParam;
};

void GetMessageBody(void* p) {
    auto* c = static_cast<GetMessageCall*>(p);
    auto* msg = reinterpret_cast<MSG*>(c->lParam);
    if (!HookMayAct(*c->ctx, HookKind::GetMessage, msg->message, FromHwnd(msg->hwnd))) return;
    HookMessage m;
    m.hwnd = FromHwnd(msg->hwnd);
    m.message = msg->message;
    m.wParam = static_cast<uint32_t>(msg->wParam);
    m.lParam = static_cast<uint32_t>(msg->lParam);
    m.time = msg->time;
    m.pt = Point{msg->pt.x, msg->pt.y};
    QUORVEL_FAULT_POINT(GetMessage, c->ctx);
    GetMessageHookProc(*c->ctx, c->code, static_cast<uint32_t>(c->wParam), m);
    if (m.message != msg->message) msg->message = m.message;
}

}  // namespace

LRESULT CALLBACK MouseHookEntry(int code, WPARAM wParam, LPARAM lParam) {
    Context* ctx = HookContext();
    if (ctx && code == HC_ACTION && IsMouseHookMessage(static_cast<uint32_t>(wParam), ctx->shared) && Serves(*ctx)) {
        MouseCall call{ctx, code, wParam, lParam, false};
        if (RunGuarded(MouseBody, &call) && call.swallow) return 1;
    }
    return CallNextHookEx(HookHandle(LibraryContext(), MouseHookKind), code, wParam, lParam);
}

LRESULT CALLBACK CallWndRetHookEntry(int code, WPARAM wParam, LPARAM lParam) {
    Context* ctx = HookContext();
    if (ctx && code == HC_ACTION && IsWindowHookMessage(reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message) &&
        Serves(*ctx)) {
        RetCall call{ctx, code, lParam};
        RunGuarded(CallWndRetBody, &call);
    }
    return CallNextHookEx(HookHandle(LibraryContext(), CallWndRetHookKind), code, wParam, lParam);
}

LRESULT CALLBACK GetMessageHookEntry(int code, WPARAM wParam, LPARAM lParam) {
    Context* ctx = HookContext();
    if (ctx && code == HC_ACTION &&
        IsGetMessageHookMessage(static_cast<uint32_t>(wParam), reinterpret_cast<const MSG*>(lParam)->message) &&
        Serves(*ctx)) {
        GetMessageCall call{ctx, code, wParam, lParam};
        RunGuarded(GetMessageBody, &call);
    }
    return CallNextHookEx(HookHandle(LibraryContext(), GetMessageHookKind), code, wParam, lParam);
}

}  // namespace quorvel
