#include "SharedMemory.h"

#include "WindowsApi.h"
#include <sddl.h>

namespace quorvel {
namespace {

// The names carry the layout's size so that an incompatible build never
// shares a record with this one.
constexpr char kMappingName[] = "Local\\QuorvelSharedState-12688";
constexpr char kMutexName[] = "Local\\QuorvelSharedStateInit-12688";
static_assert(sizeof(SharedState) == 12688, "rename the mapping when the layout changes");

// A security descriptor whose DACL grants all access to the current user
// only. Freed with LocalFree by the caller; null if it cannot be made (the
// objects then get the default descriptor, which is per-user too on NT).
PSECURITY_DESCRIPTOR MakeCurrentUserOnlyDescriptor() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return nullptr;
    BYTE buffer[512];
    DWORD size = 0;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) {
        char* sid = nullptr;
        if (ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
            char sddl[256];
            wsprintfA(sddl, "D:P(A;;GA;;;%s)", sid);
            if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr)) {
                sd = nullptr;
            }
            LocalFree(sid);
        }
    }
    CloseHandle(token);
    return sd;
}

}  // namespace

SharedState* MapSharedState() {
    PSECURITY_DESCRIPTOR sd = MakeCurrentUserOnlyDescriptor();
    SECURITY_ATTRIBUTES sa{sizeof sa, sd, FALSE};
    SECURITY_ATTRIBUTES* psa = sd ? &sa : nullptr;

    SharedState* state = nullptr;
    HANDLE mutex = CreateMutexA(psa, FALSE, kMutexName);
    if (mutex) WaitForSingleObject(mutex, 5000);
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, psa, PAGE_READWRITE, 0, sizeof(SharedState), kMappingName);
    bool created = mapping && GetLastError() != ERROR_ALREADY_EXISTS;
    if (mapping) {
        state = static_cast<SharedState*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)));
        if (state && created) InitialiseSharedState(*state);
        // The handle stays open for the life of the process: the name of the
        // mapping must stay known while the view is in use (Wine forgets it
        // when the last handle closes, even with views still mapped).
        if (!state) CloseHandle(mapping);
    }
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    if (sd) LocalFree(sd);
    return state;
}

void UnmapSharedState(SharedState* state) {
    if (state) UnmapViewOfFile(state);
}

}  // namespace quorvel
