// Access to this process's dialog maps. The outer maps are shared by the
// threads of the process: finding or inserting an entry happens under the
// process's one lock. A thread's own stack and sets are then used by that
// thread alone (entries are never removed, so the references stay valid).
#pragma once

#include "hooklib/core/Context.h"
#include "hooklib/core/DialogTables.h"

namespace quorvel {

// Holds the process's lock for one lookup or update of the dialog maps.
class DialogMapLock {
public:
    explicit DialogMapLock(Context& ctx) : lock_(ctx.process.lock) {
        if (lock_) lock_->Enter();
    }
    ~DialogMapLock() {
        if (lock_) lock_->Leave();
    }
    DialogMapLock(const DialogMapLock&) = delete;
    DialogMapLock& operator=(const DialogMapLock&) = delete;

private:
    ProcessLock* lock_;
};

// The calling thread's entries of ThreadDialogStacks, ThreadTrackedDialogs
// and ThreadHiddenDialogs.
struct ThreadDialogs {
    std::vector<Hwnd>& stack;  // the top (back) is the uppermost dialog
    std::set<Hwnd>& tracked;
    std::set<Hwnd>& hidden;
};

// Fetches (creating if missing) the calling thread's entries, under the lock.
ThreadDialogs FetchThreadDialogs(Context& ctx);

// This process's entry of ProcessDialogClicks, created if missing. The
// caller holds the lock for as long as it uses the map.
DialogClickMap& ProcessClicksLocked(Context& ctx);

}  // namespace quorvel
