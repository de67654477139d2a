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

#include <string>

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

}  // namespace quorvel
