#include "SharedMemory.h"

#include <aclapi.h>
#include <sddl.h>

#include <cstddef>
#include <cstring>
#include <new>
#include <string>

#include "common/win32/Owners.h"
#include "hooklib/core/RecordSecurity.h"

namespace quorvel {
namespace {

constexpr int READY_YIELDS = 200;  // bounded: a few milliseconds at most

// A SID as a string, owned.
OwnedLocal SidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return OwnedLocal();
    return OwnedLocal(text);
}

std::string TextOf(const OwnedLocal& text) { return text ? std::string(static_cast<const char*>(text.Get())) : ""; }

// The SIDs of this process's token, as text.
TokenFacts ReadTokenFacts() {
    TokenFacts facts;
    OwnedHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return facts;
    alignas(8) BYTE buffer[512];
    DWORD size = 0;
    if (GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size)) {
        facts.user = TextOf(SidText(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid));
    }
    if (GetTokenInformation(token.Get(), TokenOwner, buffer, sizeof buffer, &size)) {
        facts.defaultOwner = TextOf(SidText(reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner));
    }
    if (GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
        facts.level = TextOf(SidText(reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid));
    }
    return facts;
}

// A security descriptor from its text form; empty when it cannot be made.
OwnedLocal Descriptor(const std::string& sddl) {
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (sddl.empty() ||
        !ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &sd, nullptr)) {
        return OwnedLocal();
    }
    return OwnedLocal(sd);
}

// The user alone, at the medium level (RecordSecurity.h); without the label
// where the system knows no integrity levels. Empty if nothing can be made.
OwnedLocal MakeDescriptor() {
    const TokenFacts facts = ReadTokenFacts();
    if (!facts.level.empty()) {
        if (OwnedLocal sd = Descriptor(RecordDescriptorText(facts))) return sd;
    }
    return Descriptor(RecordDescriptorText(facts, false));
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
    for (int i = 0; i < READY_YIELDS && seen != SHARED_STATE_READY; ++i) {
        SwitchToThread();
        seen = InterlockedCompareExchange(word, 0, 0);
    }
    return seen == SHARED_STATE_READY ? MapOutcome::Mapped : MapOutcome::NotReady;
}

}  // namespace

MapOutcome MapSharedState(SharedMapping* out) {
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
