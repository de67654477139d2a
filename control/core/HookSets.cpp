#include "HookSets.h"

namespace quorvel {

uint32_t StartHookSets(HookHost& host) {
  const uint32_t result = host.RunStartHook();
  if (result == 1 && host.HelperWanted()) host.StartHelper();
  return result;
}

uint32_t StopHookSets(HookHost& host, uint32_t helperWaitMs) {
  if (host.HelperRunning()) host.StopHelper(helperWaitMs);
  return host.RunStopHook();
}

}  // namespace quorvel
