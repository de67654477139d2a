// Whether the hooks can work in a window's program: Windows keeps a library
// of a normal program out of programs of higher integrity (elevated ones)
// and of other users.
#include "Win32Platform.h"

namespace quorvel {
namespace {

constexpr DWORD QueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION (Vista and later)

class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE* Out() { return &h_; }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

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

bool Win32Platform::CanHookWindow(Hwnd w) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(ToHwnd(w), &pid);
    if (!pid || pid == ::GetCurrentProcessId()) return true;
    Handle process(::OpenProcess(QueryLimited, FALSE, pid));
    if (!process.Get()) *process.Out() = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    // A program that has gone is no reason to warn anyone.
    if (!process.Get()) return ::GetLastError() != ERROR_ACCESS_DENIED;
    Handle theirs;
    if (!::OpenProcessToken(process.Get(), TOKEN_QUERY, theirs.Out())) return false;
    Handle ours;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, ours.Out())) return true;
    const long their = IntegrityLevel(theirs.Get());
    const long our = IntegrityLevel(ours.Get());
    return their < 0 || our < 0 || their <= our;
}

}  // namespace quorvel
