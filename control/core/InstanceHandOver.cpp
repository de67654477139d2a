#include "InstanceHandOver.h"

#include "common/Twips.h"

namespace quorvel {

bool IsRunningInstance(const RunningInstance& instance) {
    return instance.found && instance.userData == OWN_WINDOW_MARKER;
}

ScreenPoint CentredOrigin(int workWidth, int workHeight, int windowWidth, int windowHeight) {
    return {RoundHalfToEven((workWidth - windowWidth) / 2.0), RoundHalfToEven((workHeight - windowHeight) / 2.0)};
}

}  // namespace quorvel
