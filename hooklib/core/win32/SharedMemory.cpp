#include "SharedMemory.h"

#include <aclapi.h>
#include <sddl.h>

#include <cstddef>
#include <cstring>
#include <new>

#include "common/win32/Owners.h"
#include "hooklib/core/SharedInitWait.h"

namespace quorvel {
namespace {

constexpr int INITIALISER_YIELDS = 4;  // a live initialiser needs microseconds

// A SID as a string, owned.
OwnedLocal SidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return OwnedLocal();
    return OwnedLocal(text);
}

const char* Text(const OwnedLocal& text) { return static_cast<const char*>(text.Get()); }

// The user's SID and the integrity level SID of this process's token, as
// strings. The level is absent before Vista.
struct TokenSids {
    OwnedLocal user;
    OwnedLocal level;
};

void ReadTokenSids(TokenSids* out) {
    OwnedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return;
    alignas(8) BYTE buffer[512];
    DWORD size = 0;
    if (GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size)) {
        out->user = SidText(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid);
    }
    if (GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
        out->level = SidText(reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid);
    }
}

// A security descriptor from its text form; empty when it cannot be made.
OwnedLocal Descriptor(const char* sddl) {
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr)) {
        return OwnedLocal();
    }
    return OwnedLocal(sd);
}

// DACL: all access for the current user only; SACL: mandatory label at our
// own level, no write up. Falls back to the DACL alone where the system does
// not know labels. Empty if nothing can be made.
OwnedLocal MakeDescriptor() {
    TokenSids sids;
    ReadTokenSids(&sids);
    if (!sids.user) return OwnedLocal();
    char sddl[400];
    if (sids.level) {
        wsprintfA(sddl, "O:%sD:P(A;;GA;;;%s)S:(ML;;NW;;;%s)", Text(sids.user), Text(sids.user), Text(sids.level));
        if (OwnedLocal sd = Descriptor(sddl)) return sd;
    }
    wsprintfA(sddl, "O:%sD:P(A;;GA;;;%s)", Text(sids.user), Text(sids.user));
    return Descriptor(sddl);
}

// Security attributes carrying the descriptor, or none (the default
// security) when there is no descriptor.
class Protection {
public:
    Protection() : descriptor_(MakeDescriptor()), attributes_{sizeof attributes_, descriptor_.Get(), FALSE} {}
    SECURITY_ATTRIBUTES* Attributes() { return descriptor_ ? &attributes_ : nullptr; }

private:
    OwnedLocal descriptor_;
    SECURITY_ATTRIBUTES attributes_;
};

// An object that existed before we asked for it: is it ours (owned by the
// current user, or by the token's default owner, e.g. the administrators of
// an elevated token)? An owner that cannot be read counts as foreign.
bool OwnedByCurrentUser(HANDLE object) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr, &sd) !=
        ERROR_SUCCESS) {
        return false;
    }
    const OwnedLocal descriptor(sd);  // `owner` points into it
    OwnedHandle token;
    if (!owner || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return false;
    alignas(8) BYTE buffer[512];
    DWORD size = 0;
    bool ours = false;
    if (GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size)) {
        ours = EqualSid(owner, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid) != FALSE;
    }
    if (!ours && GetTokenInformation(token.Get(), TokenOwner, buffer, sizeof buffer, &size)) {
        ours = EqualSid(owner, reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner) != FALSE;
    }
    return ours;
}

// Writes the initial values around the state word and the initialiser's
// stamp, then marks the record ready.
bool WriteInitialValues(SharedState* view) {
    auto* fresh = new (std::nothrow) SharedState;
    if (!fresh) return false;
    InitialiseSharedState(*fresh);
    static_assert(offsetof(SharedState, SharedInitStartTime) == offsetof(SharedState, SharedInitState) + 4,
                  "the state word and the stamp lie side by side");
    constexpr size_t word = offsetof(SharedState, SharedInitState);
    constexpr size_t after = word + 2 * sizeof(uint32_t);
    std::memcpy(view, fresh, word);
    std::memcpy(reinterpret_cast<char*>(view) + after, reinterpret_cast<char*>(fresh) + after,
                sizeof(SharedState) - after);
    delete fresh;
    return true;
}

// This process's wait for an initialiser in another process (asked by one
// thread at a time: the one that runs the process's start-up).
SharedInitWait g_initWait;

MapOutcome Initialise(SharedState* view, volatile LONG* word) {
    if (!WriteInitialValues(view)) {
        InterlockedExchange(word, SHARED_STATE_FRESH);
        return MapOutcome::Failed;
    }
    InterlockedExchange(word, SHARED_STATE_READY);
    return MapOutcome::Mapped;
}

MapOutcome SettleState(SharedState* view) {
    auto* word = reinterpret_cast<volatile LONG*>(&view->SharedInitState);
    auto* stamp = reinterpret_cast<volatile LONG*>(&view->SharedInitStartTime);
    for (int yields = 0;; ++yields) {
        const LONG seen = InterlockedCompareExchange(word, 0, 0);
        const LONG seenStamp = InterlockedCompareExchange(stamp, 0, 0);
        const DWORD now = GetTickCount();
        const LONG mine = static_cast<LONG>(SharedInitWait::Stamp(now));
        switch (g_initWait.Look(static_cast<uint32_t>(seen), static_cast<uint32_t>(seenStamp), now)) {
            case InitStep::Ready: return MapOutcome::Mapped;
            case InitStep::Initialise:
                if (InterlockedCompareExchange(word, SHARED_STATE_INITIALISING, SHARED_STATE_FRESH) !=
                    SHARED_STATE_FRESH) {
                    continue;  // another process won: look again
                }
                InterlockedExchange(stamp, mine);
                return Initialise(view, word);
            case InitStep::TakeOver:
                // Of several waiters only the one that moves the stamp takes over.
                if (InterlockedCompareExchange(stamp, mine, seenStamp) != seenStamp) break;
                InterlockedExchange(word, SHARED_STATE_INITIALISING);
                return Initialise(view, word);
            case InitStep::Wait:
                if (yields < INITIALISER_YIELDS) {
                    SwitchToThread();
                    continue;
                }
                break;
        }
        g_initWait.Waited(now);
        return MapOutcome::NotReady;
    }
}

}  // namespace

MapOutcome MapSharedState(SharedMapping* out) {
    // While another process initialises the record, looks are spaced out.
    if (!g_initWait.MayLook(GetTickCount())) return MapOutcome::NotReady;
    OwnedHandle mapping;
    bool existed = false;
    {
        Protection protection;
        mapping.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, protection.Attributes(), PAGE_READWRITE, 0,
                                         sizeof(SharedState), SHARED_STATE_NAME.text));
        existed = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    if (!mapping) return MapOutcome::Failed;
    if (existed && !OwnedByCurrentUser(mapping.Get())) return MapOutcome::Untrusted;
    OwnedView view(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)));
    if (!view) return MapOutcome::Failed;
    MapOutcome outcome = SettleState(static_cast<SharedState*>(view.Get()));
    if (outcome != MapOutcome::Mapped) return outcome;
    // The handle stays open while the view is in use: the name of the
    // mapping must stay known (Wine forgets it when the last handle closes,
    // even with views still mapped). Both are given back by UnmapSharedState.
    out->view = static_cast<SharedState*>(view.Release());
    out->mapping = mapping.Release();
    return MapOutcome::Mapped;
}

// Called on a dynamic unload only, never at process exit: the record stays
// mapped for the life of the process otherwise.
void UnmapSharedState(SharedMapping* m) {
    if (m->view) UnmapViewOfFile(m->view);
    if (m->mapping) CloseHandle(m->mapping);
    *m = SharedMapping{};
}

OwnedHandle CreateProtectedEvent(const char* name, DWORD* error) {
    OwnedHandle event;
    {
        Protection protection;
        event.Reset(CreateEventA(protection.Attributes(), FALSE, FALSE, name));
        *error = GetLastError();
    }
    if (event && *error == ERROR_ALREADY_EXISTS && !OwnedByCurrentUser(event.Get())) {
        *error = ERROR_ACCESS_DENIED;
        return OwnedHandle();
    }
    return event;
}

}  // namespace quorvel
