#include <gtest/gtest.h>

#include <string>

#include "control/core/HookSets.h"

namespace quorvel {
namespace {

// Records the order of the steps.
struct FakeHost : HookHost {
  uint32_t startResult = 1;
  bool wanted = true;
  bool running = false;
  std::string steps;
  uint32_t RunStartHook() override { steps += "start32 "; return startResult; }
  uint32_t RunStopHook() override { steps += "stop32 "; return 1; }
  bool HelperWanted() override { return wanted; }
  bool StartHelper() override { steps += "helper "; running = true; return true; }
  bool StopHelper(uint32_t waitMs) override {
    steps += "endhelper(" + std::to_string(waitMs) + ") ";
    running = false;
    return true;
  }
  bool HelperRunning() override { return running; }
};

TEST(HookSets, TheHelperStartsAfterAndEndsBeforeTheThirtyTwoBitHooks) {
  struct Case {
    uint32_t startResult;
    bool wanted;
    const char* steps;
  };
  const Case cases[] = {
      {1, true, "start32 helper endhelper(3000) stop32 "},
      {1, false, "start32 stop32 "},  // no helper beside, or 32-bit Windows
      {0, true, "start32 stop32 "},   // hooks failed: no helper
  };
  for (const Case& c : cases) {
    FakeHost host;
    host.startResult = c.startResult;
    host.wanted = c.wanted;
    EXPECT_EQ(StartHookSets(host), c.startResult);
    EXPECT_EQ(StopHookSets(host, 3000), 1u);
    EXPECT_EQ(host.steps, c.steps);
  }
}

}  // namespace
}  // namespace quorvel
