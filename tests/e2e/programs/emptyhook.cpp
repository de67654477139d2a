// emptyhook.dll: the yardstick of the hook benchmark. It installs the same
// three global hooks as the hook library (same exports startHook, stopHook,
// SetStopHookFlag) with procedures that only pass every message on.
#include <windows.h>

namespace {
HMODULE g_module = nullptr;
HHOOK g_hooks[3] = {};

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

extern "C" __declspec(dllexport) int WINAPI startHook() {
    const int types[3] = {WH_CALLWNDPROCRET, WH_MOUSE, WH_GETMESSAGE};
    for (int i = 0; i < 3; ++i) g_hooks[i] = SetWindowsHookExA(types[i], &PassOn, g_module, 0);
    return g_hooks[0] && g_hooks[1] ? 1 : 0;
}

extern "C" __declspec(dllexport) void WINAPI SetStopHookFlag() {}

extern "C" __declspec(dllexport) int WINAPI stopHook() {
    for (HHOOK& h : g_hooks) {
        if (h) UnhookWindowsHookEx(h);
        h = nullptr;
    }
    return 1;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    return TRUE;
}
