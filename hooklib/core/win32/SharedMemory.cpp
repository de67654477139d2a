#include "SharedMemory.h"

#include <aclapi.h>
#include <sddl.h>

#include <cstddef>
#include <cstring>
#include <new>

namespace quorvel {
namespace {


constexpr int kReadyYields = 200;  // bounded: a few milliseconds at most

// The user's SID and the integrity level SID of this process's token, as
// strings (LocalFree'd by the caller). The level is absent before Vista.
struct TokenSids {
    char* user = nullptr;
    char* level = nullptr;
    ~TokenSids() {
        if (user) LocalFree(user);
        if (level) LocalFree(level);
    }
};

void ReadTokenSids(TokenSids* out) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
    alignas(8) BYTE buffer[512];
    DWORD size = 0;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) {
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &out->user);
    }
    if (GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid, &out->level);
    }
    CloseHandle(token);
}

// DACL: all access for the current user only; SACL: mandatory label at our
// own level, no write up. Falls back to the DACL alone where the system does
// not know labels. Null if nothing can be made.
PSECURITY_DESCRIPTOR MakeDescriptor() {
    TokenSids sids;
    ReadTokenSids(&sids);
    if (!sids.user) return nullptr;
    char sddl[400];
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (sids.level) {
        wsprintfA(sddl, "O:%sD:P(A;;GA;;;%s)S:(ML;;NW;;;%s)", sids.user, sids.user, sids.level);
        if (ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr)) return sd;
    }
    wsprintfA(sddl, "O:%sD:P(A;;GA;;;%s)", sids.user, sids.user);
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr)) return sd;
    return nullptr;
}

// An object that existed before we asked for it: is it ours (owned by the
// current user, or by the token's default owner, e.g. the administrators of
// an elevated token)? An owner that cannot be read counts as foreign.
bool OwnedByCurrentUser(HANDLE object) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &sd) != ERROR_SUCCESS) {
        return false;
    }
    bool ours = false;
    HANDLE token = nullptr;
    if (owner && OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        alignas(8) BYTE buffer[512];
        DWORD size = 0;
        if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) {
            ours = EqualSid(owner, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid) != FALSE;
        }
        if (!ours && GetTokenInformation(token, TokenOwner, buffer, sizeof buffer, &size)) {
            ours = EqualSid(owner, reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner) != FALSE;
        }
        CloseHandle(token);
    }
    LocalFree(sd);
    return ours;
}

// Writes the initial values around the state word, then marks it ready.
bool WriteInitialValues(SharedState* view) {
    auto* fresh = new (std::nothrow) SharedState;
    if (!fresh) return false;
    InitialiseSharedState(*fresh);
    constexpr size_t word = offsetof(SharedState, SharedInitState);
    constexpr size_t after = word + sizeof(uint32_t);
    std::memcpy(view, fresh, word);
    std::memcpy(reinterpret_cast<char*>(view) + after, reinterpret_cast<char*>(fresh) + after,
                sizeof(SharedState) - after);
    delete fresh;
    return true;
}

MapOutcome SettleState(SharedState* view) {
    auto* word = reinterpret_cast<volatile LONG*>(&view->SharedInitState);
    LONG seen = InterlockedCompareExchange(word, SHARED_STATE_INITIALISING, SHARED_STATE_FRESH);
    if (seen == SHARED_STATE_FRESH) {
        if (!WriteInitialValues(view)) {
            InterlockedExchange(word, SHARED_STATE_FRESH);
            return MapOutcome::Failed;
        }
        InterlockedExchange(word, SHARED_STATE_READY);
        return MapOutcome::Mapped;
    }
    for (int i = 0; i < kReadyYields && seen != SHARED_STATE_READY; ++i) {
        SwitchToThread();
        seen = InterlockedCompareExchange(word, 0, 0);
    }
    return seen == SHARED_STATE_READY ? MapOutcome::Mapped : MapOutcome::NotReady;
}

}  // namespace

MapOutcome MapSharedState(SharedMapping* out) {
    PSECURITY_DESCRIPTOR sd = MakeDescriptor();
    SECURITY_ATTRIBUTES sa{sizeof sa, sd, FALSE};
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, sd ? &sa : nullptr, PAGE_READWRITE, 0,
                                        sizeof(SharedState), SHARED_STATE_NAME.text);
    bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (sd) LocalFree(sd);
    if (!mapping) return MapOutcome::Failed;
    if (existed && !OwnedByCurrentUser(mapping)) {
        CloseHandle(mapping);
        return MapOutcome::Untrusted;
    }
    auto* view = static_cast<SharedState*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)));
    if (!view) {
        CloseHandle(mapping);
        return MapOutcome::Failed;
    }
    MapOutcome outcome = SettleState(view);
    if (outcome != MapOutcome::Mapped) {
        UnmapViewOfFile(view);
        CloseHandle(mapping);
        return outcome;
    }
    // The handle stays open while the view is in use: the name of the
    // mapping must stay known (Wine forgets it when the last handle closes,
    // even with views still mapped).
    out->mapping = mapping;
    out->view = view;
    return MapOutcome::Mapped;
}

void UnmapSharedState(SharedMapping* m) {
    if (m->view) UnmapViewOfFile(m->view);
    if (m->mapping) CloseHandle(m->mapping);
    *m = SharedMapping{};
}

HANDLE CreateProtectedEvent(const char* name, DWORD* error) {
    PSECURITY_DESCRIPTOR sd = MakeDescriptor();
    SECURITY_ATTRIBUTES sa{sizeof sa, sd, FALSE};
    HANDLE event = CreateEventA(sd ? &sa : nullptr, FALSE, FALSE, name);
    *error = GetLastError();
    if (sd) LocalFree(sd);
    if (event && *error == ERROR_ALREADY_EXISTS && !OwnedByCurrentUser(event)) {
        CloseHandle(event);
        *error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    return event;
}

}  // namespace quorvel
