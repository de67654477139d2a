// Who may use the shared record and its events: the logged-on user alone, at
// the medium integrity level, whoever made them. Built here as text (SDDL)
// from the creating token's facts; the Win32 side turns it into a security
// descriptor.
//
// An elevated Quorvel must not lock the normal programs of the same user out
// of the record: so the label is always "medium" (never the creator's own,
// higher level), and the user is named explicitly as the owner and in the
// only access rule (an elevated token's default owner is the Administrators
// group). Programs of a lower level (protected-mode browsers, sandboxes) can
// neither write nor read it: no write up, no read up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

constexpr char MEDIUM_LEVEL_SID[] = "S-1-16-8192";  // SECURITY_MANDATORY_MEDIUM_RID

// What the creating process's token says, as SID texts ("" when unknown).
struct TokenFacts {
    std::string user;          // TokenUser
    std::string defaultOwner;  // TokenOwner: the Administrators group when elevated
    std::string level;         // TokenIntegrityLevel: "" before Vista
};

// The descriptor of the record, its events and their namespace; "" without
// a user. `withLabel` false leaves the label out (a system without integrity
// levels refuses it).
std::string RecordDescriptorText(const TokenFacts& creator, bool withLabel = true);

// The private namespace the record and its events are made in: its
// boundary names the user and the medium level, so that only the user's
// programs of medium level or above can make or open anything in it (a
// sandboxed program cannot squat the record's name there). Objects in it
// are named ALIAS "\" name.
constexpr char RECORD_NAMESPACE_BOUNDARY[] = "Quorvel";
constexpr char RECORD_NAMESPACE_ALIAS[] = "Quorvel";
// Where the system has no private namespaces (Wine): the session's
// namespace, where an existing object is used only after its owner, access
// rule and label were checked (IsOurRecordSecurity).
constexpr char SESSION_NAMESPACE_PREFIX[] = "Local\\";

// The full name of one of the record's objects; "" when it does not fit.
std::string RecordObjectName(bool privateNamespace, const char* name);

// An existing object's security as read back (SID texts).
struct ObjectSecurity {
    struct Rule {
        bool allow;  // an access-allowed rule; anything else counts as not
        std::string sid;
    };
    struct Label {
        std::string sid;
        uint32_t policy;  // SYSTEM_MANDATORY_LABEL_NO_WRITE_UP = 1, ..._NO_READ_UP = 2
    };
    bool readable = false;  // the owner and the access rules could be read
    std::string owner;
    bool hasDacl = false;  // a null DACL lets everyone in
    std::vector<Rule> rules;
    std::vector<Label> labels;
};

// Ours exactly: owned by the user, whose one access rule is the only one,
// and either no label (Windows treats that as medium, no write up) or one
// medium label with no write up. An object made by a program of a lower
// level carries its low label; one of another user names that user.
bool IsOurRecordSecurity(const ObjectSecurity& object, const std::string& user);

// One region of a mapped view, as VirtualQuery reports it.
struct ViewRegion {
    size_t size;
    bool committed;  // MEM_COMMIT
    bool writable;   // PAGE_READWRITE
};

// The view holds `needed` committed, writable bytes from its start: a
// section made smaller than the record, or reserved but not committed, would
// fault at the first touch in every hooked program.
bool ViewIsUsable(const std::vector<ViewRegion>& regions, size_t needed);

}  // namespace quorvel
