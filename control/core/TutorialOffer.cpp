#include "TutorialOffer.h"

namespace quorvel {

std::optional<std::string> TutorialOfferDue(const InstallMarks& marks) {
    if (!marks.firstStart) return std::nullopt;
    const std::string stamp = marks.installStamp.value_or("");
    if (marks.offeredFor && *marks.offeredFor == stamp) return std::nullopt;
    return stamp;
}

}  // namespace quorvel
