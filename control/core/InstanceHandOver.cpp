#include "InstanceHandOver.h"

#include "Twips.h"

namespace quorvel {

bool IsRunningInstance(const RunningInstance& instance) {
  return instance.found && instance.userData == OwnWindowMarker;
}

ScreenPoint CentredOrigin(int workWidth, int workHeight, int windowWidth, int windowHeight) {
  return {RoundHalfToEven((workWidth - windowWidth) / 2.0), RoundHalfToEven((workHeight - windowHeight) / 2.0)};
}

}  // namespace quorvel
