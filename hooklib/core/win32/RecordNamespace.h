// Where the record and its events live and who may use them, on Windows:
// the private namespace of RecordSecurity.h (its boundary the user and the
// medium level), or, where the system has none (Wine), the session's
// namespace with every existing object checked exactly. The namespace is
// opened once per process and kept open while the process uses it.
#pragma once

#include "WindowsApi.h"

#include <cstddef>
#include <string>

#include "common/win32/Owners.h"

namespace quorvel {

// Security attributes carrying the record's descriptor (the user alone, at
// medium level), or none (the default) when it cannot be made.
class RecordProtection {
public:
    RecordProtection();
    SECURITY_ATTRIBUTES* Attributes() { return descriptor_ ? &attributes_ : nullptr; }

private:
    OwnedLocal descriptor_;
    SECURITY_ATTRIBUTES attributes_;
};

// The full name one of the record's objects has in this process; "" when
// no namespace may be used here (a program of a lower integrity level, for
// which the private namespace is closed).
std::string RecordObjectFullName(const char* name);

// An object that existed before we asked for it: owner, access rule and
// label exactly as we make them.
bool IsOurRecordObject(HANDLE object);

// The first `needed` bytes of a mapped view are committed and writable.
bool ViewIsUsableHere(const void* view, size_t needed);

// At a dynamic unload: the namespace handle goes (after every object in it).
void CloseRecordNamespace();

}  // namespace quorvel
