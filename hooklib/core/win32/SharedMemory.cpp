#include "SharedMemory.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <string>

#include "common/win32/Owners.h"
#include "hooklib/core/SharedInitWait.h"
#include "RecordNamespace.h"

namespace quorvel {
namespace {

constexpr int INITIALISER_YIELDS = 4;  // a live initialiser needs microseconds

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
