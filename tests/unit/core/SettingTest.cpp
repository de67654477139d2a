#include <gtest/gtest.h>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/Setting.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;
constexpr const char* kKey = "SOFTWARE\\Harnwick\\Quorvel";

TEST(Setting, SaveSettingStoresTheWordForEveryoneAndInTheRegistry) {
    FakeLibrary lib;
    EXPECT_EQ(SaveSetting(lib.ctx, 0x2000), 1);
    EXPECT_EQ(GetSetting(lib.ctx), 0x2000u);
    uint32_t stored = 0;
    ASSERT_TRUE(lib.os.GetDword(kKey, "Setting", &stored));
    EXPECT_EQ(stored, 0x2000u);
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

TEST(Setting, WithoutTheKeyTheWordIsStillInForceButTheSaveReportsFailure) {
    FakeLibrary lib;
    lib.os.registry.clear();
    EXPECT_EQ(SaveSetting(lib.ctx, 0), 0);
    EXPECT_EQ(GetSetting(lib.ctx), 0u);
    EXPECT_FALSE(lib.os.KeyExists(kKey));  // the library never creates the key
}

TEST(Setting, LoadReadsTheStoredWordAndRejectsWhatIsNoWord) {
    FakeLibrary lib;
    uint32_t word = 0;
    EXPECT_FALSE(LoadSettingValue(lib.os, &word));  // no value
    lib.os.SetDword(kKey, "Setting", 0x4001);
    ASSERT_TRUE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(word, 0x4001u);

    // Two bytes of data are no setting word: unreadable, not half a word.
    lib.os.registry["software\\harnwick\\quorvel"]["setting"] = {3u, std::string("\x01\x02", 2)};
    word = 0xDEAD;
    EXPECT_FALSE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(word, 0xDEADu);
    // Longer data does not fit the four-byte buffer either.
    lib.os.registry["software\\harnwick\\quorvel"]["setting"] = {3u, std::string(8, '\x01')};
    EXPECT_FALSE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

TEST(Setting, DeniedAccessReadsAsNoSetting) {
    FakeLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0x1);
    lib.os.deniedKeys.insert("software\\harnwick\\quorvel");
    uint32_t word = 0;
    EXPECT_FALSE(LoadSettingValue(lib.os, &word));
    EXPECT_FALSE(StoreSettingValue(lib.os, 0x2));
}

TEST(Setting, ALimitedAccountReadsTheWordButCannotStoreIt) {
    FakeLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0x2001);
    lib.os.registryReadOnly = true;
    uint32_t word = 0;
    ASSERT_TRUE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(word, 0x2001u);
    EXPECT_EQ(SaveSetting(lib.ctx, 0x4000), 0);
    EXPECT_EQ(GetSetting(lib.ctx), 0x4000u);
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

}  // namespace
}  // namespace quorvel
