// The processes role on Windows, and whether the hooks can work in a
// window's program: Windows keeps a library of a normal program out of
// programs of higher integrity (elevated ones) and of other users.
#include "Win32Platform.h"

#include "common/win32/Owners.h"

namespace quorvel {
namespace {

constexpr DWORD QUERY_LIMITED = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION (Vista and later)

// The token's integrity level (its mandatory label's last sub-authority);
// -1 where the system has none (before Vista) or it cannot be read.
long IntegrityLevel(HANDLE token) {
    BYTE buffer[64];
    DWORD size = 0;
    if (!GetTokenInformation(token, static_cast<TOKEN_INFORMATION_CLASS>(25 /* TokenIntegrityLevel */), buffer,
                             sizeof buffer, &size)) {
        return -1;
    }
    PSID sid = reinterpret_cast<SID_AND_ATTRIBUTES*>(buffer)->Sid;
    if (!IsValidSid(sid)) return -1;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    return count ? static_cast<long>(*GetSidSubAuthority(sid, count - 1u)) : -1;
}

}  // namespace

uint32_t Win32Processes::GetWindowProcessId(Hwnd w) {
    DWORD processId = 0;
    return ::GetWindowThreadProcessId(ToHwnd(w), &processId) ? processId : 0;
}

// Limited query access is granted across integrity levels; the name query
// exists from Windows Vista on (before that: unknown).
uint32_t Win32Processes::GetProcessImageName(uint32_t processId, char* buffer, uint32_t size) {
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    static const auto query = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    if (!query || !buffer || size == 0) return 0;
    const OwnedHandle process(::OpenProcess(QUERY_LIMITED, FALSE, processId));
    if (!process) return 0;
    DWORD length = size;
    const BOOL ok = query(process.Get(), 0, buffer, &length);
    if (!ok || length >= size) return 0;
    buffer[length] = '\0';
    return length;
}

bool Win32Processes::CanHookWindow(Hwnd w) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(ToHwnd(w), &pid);
    if (!pid || pid == ::GetCurrentProcessId()) return true;
    OwnedHandle process(::OpenProcess(QUERY_LIMITED, FALSE, pid));
    if (!process) process.Reset(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid));
    // A program that has gone is no reason to warn anyone.
    if (!process) return ::GetLastError() != ERROR_ACCESS_DENIED;
    OwnedHandle theirs;
    if (!::OpenProcessToken(process.Get(), TOKEN_QUERY, theirs.Out())) return false;
    OwnedHandle ours;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, ours.Out())) return true;
    const long their = IntegrityLevel(theirs.Get());
    const long our = IntegrityLevel(ours.Get());
    return their < 0 || our < 0 || their <= our;
}

// A thread id that names no thread any more is refused with
// ERROR_INVALID_PARAMETER; a thread we may not look at still runs.
bool Win32Processes::ThreadExists(uint32_t threadId) {
    if (threadId == 0) return false;
    const OwnedHandle thread(::OpenThread(SYNCHRONIZE, FALSE, threadId));
    if (!thread) return ::GetLastError() != ERROR_INVALID_PARAMETER;
    return ::WaitForSingleObject(thread.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace quorvel
