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

}  // namespace quorvel
