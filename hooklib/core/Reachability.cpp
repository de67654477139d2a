#include "Reachability.h"

#include "DebugLog.h"

namespace quorvel {

bool GestureTargetReachable(Context& ctx, Hwnd window) {
    if (!window || ctx.processes.CanHookWindow(window)) return true;
    SharedState& s = ctx.shared;
    if (s.UnreachableWindow != window) {
        s.UnreachableWindow = window;
        WriteLogF(ctx, "Window %x belongs to a program Quorvel cannot reach: gesture ignored", window);
    }
    ++s.UnreachableCount;
    return false;
}

}  // namespace quorvel
