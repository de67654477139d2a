// The functions of the crash-report helper "Util.dat". Each takes the
// exception's pointer record and returns a zero-terminated text, or null.
// The stack pair yields one line per frame until it returns null. Texts stay
// valid until the next call on the same thread.
#pragma once

#include <windows.h>

extern "C" {
typedef const char*(WINAPI* GetFaultReasonFn)(EXCEPTION_POINTERS* pointers);
typedef const char*(WINAPI* GetRegisterStringFn)(EXCEPTION_POINTERS* pointers);
typedef const char*(WINAPI* GetFirstStackTraceStringFn)(DWORD options, EXCEPTION_POINTERS* pointers);
typedef const char*(WINAPI* GetNextStackTraceStringFn)(DWORD options, EXCEPTION_POINTERS* pointers);
}
