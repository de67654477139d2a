// QuorvelHook64.exe [CONTROL_PROCESS_ID]: the 64-bit side of Quorvel. It
// loads system64.dat from its own folder, installs the 64-bit hooks and then
// does nothing but pump messages on its one thread (Windows runs the 64-bit
// hooks for 32-bit programs on this thread, so it must never stall). It
// removes the hooks and ends on HOOK64_STOP_MESSAGE posted to its thread, or
// when the control program that started it has gone.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/FileNames.h"
#include "common/HookExports.h"
#include "common/Messages.h"
#include "common/win32/ModulePaths.h"
#include "common/win32/Owners.h"
#include "common/win32/SafeLoading.h"

namespace {

using Export0 = int(WINAPI*)();

struct Library {
    quorvel::OwnedModule module;
    Export0 startHook = nullptr, stopHook = nullptr, setStopHookFlag = nullptr;
    // By its full path only: never "system64.dat" from a search path.
    bool Load(const std::string& folder) {
        if (folder.empty()) return false;
        module.Reset(
            quorvel::LoadLibraryByFullPath(quorvel::WideOf(folder + quorvel::HOOK64_LIBRARY_FILE_NAME).c_str()));
        if (!module) return false;
        startHook = Bind(quorvel::HookExport::startHook);
        stopHook = Bind(quorvel::HookExport::stopHook);
        setStopHookFlag = Bind(quorvel::HookExport::SetStopHookFlag);
        return startHook && stopHook && setStopHookFlag;
    }
    Export0 Bind(quorvel::HookExport which) {
        return reinterpret_cast<Export0>(
            reinterpret_cast<void*>(GetProcAddress(module.Get(), quorvel::HookExportName(which))));
    }
};

// The helper's folder in UTF-8 with its trailing backslash; "" when unknown.
std::string OwnFolder() {
    const std::string path = quorvel::Utf8ModulePath(nullptr);
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Pumps until asked to stop or until the control program has gone.
void Pump(HANDLE controlProcess) {
    const DWORD count = controlProcess ? 1 : 0;
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(count, &controlProcess, FALSE, INFINITE, QS_ALLINPUT);
        if (count && r == WAIT_OBJECT_0) return;
        if (r == WAIT_FAILED) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == quorvel::HOOK64_STOP_MESSAGE || msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    quorvel::SearchSystemFolderOnly();
    // The thread's queue exists before anyone can post the stop message.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    const DWORD controlId = commandLine ? std::strtoul(commandLine, nullptr, 10) : 0;
    const quorvel::OwnedHandle control(controlId ? OpenProcess(SYNCHRONIZE, FALSE, controlId) : nullptr);

    Library library;
    if (!library.Load(OwnFolder())) return 3;
    if (library.startHook() != 1) {
        library.setStopHookFlag();
        library.stopHook();
        return 2;
    }
    Pump(control.Get());
    // The stop flag is shared: the control program sets it before it asks,
    // and it is set here too so that a helper left alone still unhooks.
    library.setStopHookFlag();
    library.stopHook();
    return 0;
}
