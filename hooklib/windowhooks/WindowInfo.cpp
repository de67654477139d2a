#include "WindowInfo.h"

#include "hooklib/core/DebugLog.h"

namespace quorvel {

void LogWindowInfo(Context& ctx, Hwnd window) {
    char className[MAX_WINDOW_CLASSNAME_LEN] = {};
    char caption[MAX_WINDOW_TEXT_LEN] = {};
    ctx.windows.GetClassName(window, className, sizeof className);
    ctx.windows.GetWindowText(window, caption, sizeof caption);
    Rect r;
    ctx.windows.GetWindowRect(window, &r);
    WriteLogF(ctx,
              "handle : %x, classname : %.*s, parent: %x ,owner: %x, caption:%.*s, style: %08x, exstyle: %x, "
              "handle : %x, left : %d, top : %d, right : %d, bottom : %d",
              window, MAX_WINDOW_CLASSNAME_LEN, className, ctx.windows.GetParent(window), ctx.windows.GetOwner(window),
              MAX_WINDOW_TEXT_LEN, caption, ctx.windows.GetStyle(window), ctx.windows.GetExStyle(window), window,
              r.left, r.top, r.right, r.bottom);
}

}  // namespace quorvel
