#include "SharedMemory.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <string>

#include "common/win32/Owners.h"
#include "RecordNamespace.h"

namespace quorvel {
namespace {

constexpr int READY_YIELDS = 200;  // bounded: a few milliseconds at most

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
    const std::string name = RecordObjectFullName(SHARED_STATE_NAME.text);
    if (name.empty()) return MapOutcome::Failed;  // the namespace could not be made or opened
    OwnedHandle mapping;
    bool existed = false;
    {
        RecordProtection protection;
        mapping.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, protection.Attributes(), PAGE_READWRITE, 0,
                                         sizeof(SharedState), name.c_str()));
        existed = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    if (!mapping) return MapOutcome::Failed;
    if (existed && !IsOurRecordObject(mapping.Get())) return MapOutcome::Untrusted;
    // An object made by someone else may be smaller than the record (the
    // view then cannot be made) or reserved without committed pages: either
    // would fault at the first touch. Nothing is touched before this check.
    OwnedView view(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)));
    if (!view) return existed ? MapOutcome::Unusable : MapOutcome::Failed;
    if (!ViewIsUsableHere(view.Get(), sizeof(SharedState))) return MapOutcome::Unusable;
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
    CloseRecordNamespace();
}

OwnedHandle CreateProtectedEvent(const char* name, DWORD* error) {
    const std::string fullName = RecordObjectFullName(name);
    if (fullName.empty()) {
        *error = ERROR_ACCESS_DENIED;
        return OwnedHandle();
    }
    OwnedHandle event;
    {
        RecordProtection protection;
        event.Reset(CreateEventA(protection.Attributes(), FALSE, FALSE, fullName.c_str()));
        *error = GetLastError();
    }
    if (event && *error == ERROR_ALREADY_EXISTS && !IsOurRecordObject(event.Get())) {
        *error = ERROR_ACCESS_DENIED;
        return OwnedHandle();
    }
    return event;
}

}  // namespace quorvel
