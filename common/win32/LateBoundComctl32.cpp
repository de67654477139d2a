// The common controls, bound at their first call rather than by the loader.
// comctl32.dll is no KnownDLL: imported the usual way it would be looked
// for in the program's folder first, before WinMain could say otherwise.
// Linked into Quorvel.exe and QuorvelTutorial.exe instead of the import
// library, these define the import slots the compiler calls through
// (__imp_<name>); each points at a stub that loads comctl32.dll from the
// system folder once and calls the real function.
#include <windows.h>

#include "common/win32/SafeLoading.h"

namespace {

FARPROC Comctl32Function(const char* name) {
    static HMODULE module = quorvel::LoadSystemLibrary(L"comctl32.dll");
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace

// The slot's symbol: "__imp__Name@<argument bytes>" for 32-bit stdcall,
// "__imp_Name" for x86_64.
#if defined(__i386__)
#define QUORVEL_IMPORT_SLOT(name, bytes) "__imp__" #name "@" #bytes
#else
#define QUORVEL_IMPORT_SLOT(name, bytes) "__imp_" #name
#endif

#define QUORVEL_LATE_BOUND(result, name, bytes, parameters, arguments)                                             \
    extern "C" result WINAPI LateBound_##name parameters {                                                         \
        using Function = result(WINAPI*) parameters;                                                               \
        static const auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(Comctl32Function(#name))); \
        return function ? function arguments : static_cast<result>(0);                                             \
    }                                                                                                              \
    extern "C" void* const ImportSlot_##name asm(QUORVEL_IMPORT_SLOT(name, bytes));                                \
    extern "C" void* const ImportSlot_##name = reinterpret_cast<void*>(&LateBound_##name);

struct _IMAGELIST;
struct tagINITCOMMONCONTROLSEX;
using SubclassProcedure = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

QUORVEL_LATE_BOUND(BOOL, InitCommonControlsEx, 4, (const tagINITCOMMONCONTROLSEX* controls), (controls))
QUORVEL_LATE_BOUND(_IMAGELIST*, ImageList_Create, 20, (int cx, int cy, UINT flags, int initial, int grow),
                   (cx, cy, flags, initial, grow))
QUORVEL_LATE_BOUND(BOOL, ImageList_Destroy, 4, (_IMAGELIST * list), (list))
QUORVEL_LATE_BOUND(int, ImageList_Add, 12, (_IMAGELIST * list, HBITMAP image, HBITMAP mask), (list, image, mask))
QUORVEL_LATE_BOUND(BOOL, ImageList_Remove, 8, (_IMAGELIST * list, int index), (list, index))
QUORVEL_LATE_BOUND(BOOL, SetWindowSubclass, 16, (HWND window, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR data),
                   (window, procedure, id, data))
QUORVEL_LATE_BOUND(BOOL, RemoveWindowSubclass, 12, (HWND window, SubclassProcedure procedure, UINT_PTR id),
                   (window, procedure, id))
QUORVEL_LATE_BOUND(LRESULT, DefSubclassProc, 16, (HWND window, UINT message, WPARAM wParam, LPARAM lParam),
                   (window, message, wParam, lParam))
