#include "TwoArchHookLibrary.h"

#include "DebugLine.h"
#include "common/FileNames.h"
#include "common/win32/ModulePaths.h"
#include "control/core/ControlProgram.h"
#include "common/Messages.h"

namespace quorvel {

namespace {

// Posted to the hook thread: remove the 32-bit hooks and end.
constexpr UINT HOOK_THREAD_STOP_MESSAGE = WM_APP + 0x32;
constexpr DWORD HOOK_THREAD_WAIT_MS = 10000;
// How long the helper has to end before it is ended by force.
constexpr uint32_t HOOK64_STOP_WAIT_MS = 3000;

// The one library object the timer procedure reports to.
TwoArchHookLibrary* TheLibrary = nullptr;

// The helper's process as its stop waits for it.
class Win32Helper : public HelperProcess {
public:
    Win32Helper(HANDLE process, DWORD threadId) : process_(process), threadId_(threadId) {}
    bool PostStop() override { return PostThreadMessageA(threadId_, HOOK64_STOP_MESSAGE, 0, 0) != FALSE; }
    bool WaitForEnd(uint32_t ms) override { return WaitForSingleObject(process_, ms) != WAIT_TIMEOUT; }

private:
    HANDLE process_;
    DWORD threadId_;
};

bool IsWindows64() {
    using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

// Wine (8.0) ends a global hook chain at the first hook whose library
// cannot be loaded into the process, instead of calling it on its
// installing thread as Windows does: there the newer 64-bit hooks would cut
// every 32-bit program off the 32-bit ones. Under Wine the helper is started
// only when QUORVEL_HOOK64_UNDER_WINE is 1.
bool HelperAllowedHere() {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return true;
    char value[8] = {};
    const DWORD n = GetEnvironmentVariableA("QUORVEL_HOOK64_UNDER_WINE", value, sizeof value);
    if (n == 1 && value[0] == '1') return true;
    WriteDebugLine("Running under Wine: QuorvelHook64.exe is not started, 32-bit programs keep their hooks");
    return false;
}

}  // namespace

TwoArchHookLibrary::TwoArchHookLibrary(std::string libraryPath, std::string programDirectory, Clock& clock)
    : BoundHookLibrary(std::move(libraryPath)), programDirectory_(std::move(programDirectory)), clock_(clock) {}

TwoArchHookLibrary::~TwoArchHookLibrary() {
    if (unreachableTimer_) KillTimer(nullptr, unreachableTimer_);
    if (helperTimer_) KillTimer(nullptr, helperTimer_);
    if (HelperRunning()) StopHelper(HOOK64_STOP_WAIT_MS);
    if (TheLibrary == this) TheLibrary = nullptr;
}

uint32_t TwoArchHookLibrary::startHook() {
    const uint32_t result = StartHookSets(*this);
    if (result == 1 && !unreachableTimer_) {
        TheLibrary = this;
        unreachable_.Start(GetUnreachableCount());
        unreachableTimer_ = SetTimer(nullptr, 0, UNREACHABLE_CHECK_INTERVAL_MS, &OnUnreachableCheck);
    }
    if (result == 1 && HelperRunning() && !helperTimer_) {
        TheLibrary = this;
        helperTimer_ = SetTimer(nullptr, 0, HELPER_CHECK_INTERVAL_MS, &OnHelperCheck);
    }
    return result;
}

uint32_t TwoArchHookLibrary::stopHook() {
    if (unreachableTimer_) KillTimer(nullptr, unreachableTimer_);
    unreachableTimer_ = 0;
    // The helper is about to be asked to end: that is no death to watch for.
    if (helperTimer_) KillTimer(nullptr, helperTimer_);
    helperTimer_ = 0;
    return StopHookSets(*this, HOOK64_STOP_WAIT_MS);
}

void CALLBACK TwoArchHookLibrary::OnHelperCheck(HWND, UINT, UINT_PTR, DWORD) {
    if (TheLibrary) TheLibrary->CheckHelper();
}

// The helper's hooks went with its thread; until it is back, the 32-bit
// library serves 64-bit programs on its installing thread as well as it can.
void TwoArchHookLibrary::CheckHelper() {
    switch (helperWatch_.OnCheck(HelperRunning(), QuietTime())) {
        case HelperWatchStep::Nothing: break;
        case HelperWatchStep::Restart:
            WriteDebugLine("QuorvelHook64.exe has ended by itself: started again");
            StartHelper();
            break;
        case HelperWatchStep::TellUser:
            KillTimer(nullptr, helperTimer_);
            helperTimer_ = 0;
            WriteDebugLine("QuorvelHook64.exe has ended again: the user is told");
            MessageBoxA(nullptr, HelperGoneNoticeText().c_str(), PROGRAM_TITLE,
                        MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
            break;
    }
}

void CALLBACK TwoArchHookLibrary::OnUnreachableCheck(HWND, UINT, UINT_PTR, DWORD) {
    if (TheLibrary) TheLibrary->CheckUnreachable();
}

// Runs on the user-interface thread; the hooks live on their own thread, so
// the message box stalls no program's input.
void TwoArchHookLibrary::CheckUnreachable() {
    if (!unreachable_.OnCheck(GetUnreachableCount(), QuietTime())) return;
    KillTimer(nullptr, unreachableTimer_);
    unreachableTimer_ = 0;
    WriteDebugLine("A gesture met a program Quorvel cannot reach: the user is told");
    MessageBoxA(nullptr, UnreachableNoticeText().c_str(), PROGRAM_TITLE,
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

DWORD WINAPI TwoArchHookLibrary::HookThreadProc(LPVOID self) {
    static_cast<TwoArchHookLibrary*>(self)->HookThreadBody();
    return 0;
}

// The hook thread: installs the hooks, then only pumps messages until it is
// asked to remove them.
void TwoArchHookLibrary::HookThreadBody() {
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    startResult_ = BoundHookLibrary::startHook();
    SetEvent(hookThreadReady_.Get());
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == HOOK_THREAD_STOP_MESSAGE) {
            stopResult_ = BoundHookLibrary::stopHook();
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

uint32_t TwoArchHookLibrary::RunStartHook() {
    hookThreadReady_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (hookThreadReady_) hookThread_.Reset(CreateThread(nullptr, 0, &HookThreadProc, this, 0, &hookThreadId_));
    if (!hookThread_) {
        WriteDebugLine("Hook thread not started: hooks installed by the main thread");
        return BoundHookLibrary::startHook();
    }
    HANDLE waits[2] = {hookThreadReady_.Get(), hookThread_.Get()};
    WaitForMultipleObjects(2, waits, FALSE, HOOK_THREAD_WAIT_MS);
    return startResult_;
}

uint32_t TwoArchHookLibrary::RunStopHook() {
    if (!hookThread_) return BoundHookLibrary::stopHook();
    if (WaitForSingleObject(hookThread_.Get(), 0) == WAIT_TIMEOUT) {
        PostThreadMessageA(hookThreadId_, HOOK_THREAD_STOP_MESSAGE, 0, 0);
        if (WaitForSingleObject(hookThread_.Get(), HOOK_THREAD_WAIT_MS) == WAIT_TIMEOUT) {
            WriteDebugLine("Hook thread did not end: hooks removed by the main thread");
            return BoundHookLibrary::stopHook();
        }
    }
    hookThread_.Reset();
    return stopResult_;
}

bool TwoArchHookLibrary::HelperWanted() {
    const std::wstring helper = WideOf(programDirectory_ + HOOK64_HELPER_FILE_NAME);
    return !programDirectory_.empty() && GetFileAttributesW(helper.c_str()) != INVALID_FILE_ATTRIBUTES &&
           IsWindows64() && HelperAllowedHere();
}

bool TwoArchHookLibrary::StartHelper() {
    // By its full path, in the program's folder (UTF-8 made wide).
    const std::wstring helper = WideOf(programDirectory_ + HOOK64_HELPER_FILE_NAME);
    const std::wstring folder = WideOf(programDirectory_);
    std::wstring commandLine = L"\"" + helper + L"\" " + std::to_wstring(GetCurrentProcessId());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(helper.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        WriteDebugLine("QuorvelHook64.exe could not be started: 64-bit programs are not reached");
        return false;
    }
    const OwnedHandle helperThread(info.hThread);  // only its id is needed
    helperProcess_.Reset(info.hProcess);
    helperThreadId_ = info.dwThreadId;
    return true;
}

bool TwoArchHookLibrary::HelperRunning() {
    return helperProcess_ && WaitForSingleObject(helperProcess_.Get(), 0) == WAIT_TIMEOUT;
}

// Asked to end (see WaitForHelperToEnd), or ended by force.
bool TwoArchHookLibrary::StopHelper(uint32_t waitMs) {
    Win32Helper helper(helperProcess_.Get(), helperThreadId_);
    const bool ended = WaitForHelperToEnd(helper, clock_, waitMs);
    if (!ended) {
        WriteDebugLine("QuorvelHook64.exe did not end in time: ended by force");
        TerminateProcess(helperProcess_.Get(), 1);
        WaitForSingleObject(helperProcess_.Get(), 1000);
    }
    helperProcess_.Reset();
    return ended;
}

}  // namespace quorvel
