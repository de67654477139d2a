// The hook procedures Windows calls: each runs the logic inside the
// exception guard and then calls the next hook.
#pragma once

#include "hooklib/core/win32/WindowsApi.h"

namespace quorvel {

LRESULT CALLBACK MouseHookEntry(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CallWndRetHookEntry(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GetMessageHookEntry(int code, WPARAM wParam, LPARAM lParam);

}  // namespace quorvel
