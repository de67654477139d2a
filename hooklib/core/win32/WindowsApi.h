// windows.h for the library's glue, without the A/W macros whose names the
// platform interface uses for its own methods (GetClassName, PostMessage...).
// Include this instead of windows.h; call the ...A functions by their full names.
#pragma once

#include <windows.h>
#include <shellapi.h>

#undef GetClassName
#undef GetWindowText
#undef FindWindow
#undef GetCommandLine
#undef GetModuleFileName
#undef RegisterWindowMessage
#undef PostMessage
#undef PeekMessage
#undef SetWindowsHook
#undef RegOpenKey
#undef RegCreateKey
#undef RegQueryValue
#undef RegSetValue
#undef RegEnumValue
#undef ShellExecute
#undef GetMessage
