#include "RecordSecurity.h"

namespace quorvel {

std::string RecordDescriptorText(const TokenFacts& creator, bool withLabel) {
    if (creator.user.empty()) return std::string();
    // Owner and the one (protected) access rule: the user, whatever the
    // token's default owner. Label: medium, whatever the token's level.
    std::string text = "O:" + creator.user + "D:P(A;;GA;;;" + creator.user + ")";
    if (withLabel) text += "S:(ML;;NWNR;;;ME)";
    return text;
}

std::string RecordObjectName(bool privateNamespace, const char* name) {
    if (!name || !*name) return std::string();
    return privateNamespace ? std::string(RECORD_NAMESPACE_ALIAS) + "\\" + name
                            : std::string(SESSION_NAMESPACE_PREFIX) + name;
}

bool IsOurRecordSecurity(const ObjectSecurity& object, const std::string& user) {
    constexpr uint32_t NO_WRITE_UP = 1;
    if (user.empty() || !object.readable || object.owner != user || !object.hasDacl) return false;
    if (object.rules.size() != 1 || !object.rules[0].allow || object.rules[0].sid != user) return false;
    if (object.labels.empty()) return true;
    return object.labels.size() == 1 && object.labels[0].sid == MEDIUM_LEVEL_SID &&
           (object.labels[0].policy & NO_WRITE_UP) != 0;
}

bool ViewIsUsable(const std::vector<ViewRegion>& regions, size_t needed) {
    size_t covered = 0;
    for (const ViewRegion& r : regions) {
        if (covered >= needed) break;
        if (!r.committed || !r.writable || r.size == 0) return false;
        covered += r.size;
    }
    return covered >= needed;
}

}  // namespace quorvel
