#include <gtest/gtest.h>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/Setting.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;
constexpr const char* kKey = "SOFTWARE\\Harnwick\\Quorvel";
constexpr const char* kUserKey = "hkcu\\Software\\Harnwick\\Quorvel";

TEST(Setting, SaveSettingStoresTheWordForEveryoneAndForTheUser) {
    FakeLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0xFFFF);
    EXPECT_EQ(SaveSetting(lib.ctx, 0x2000), 1);
    EXPECT_EQ(GetSetting(lib.ctx), 0x2000u);
    uint32_t stored = 0;
    ASSERT_TRUE(lib.os.GetDword(kUserKey, "Setting", &stored));
    EXPECT_EQ(stored, 0x2000u);
    ASSERT_TRUE(lib.os.GetDword(kKey, "Setting", &stored));
    EXPECT_EQ(stored, 0xFFFFu) << "the machine-wide default is only read";
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

// On a standard account (the machine-wide key read-only): the user's word
// first, else the installer's, else none (the caller takes 0xFFFF); the save
// goes to the user's key and reports 1 only when it was written.
TEST(Setting, ReadOrderAndSaveResultWhereTheMachineKeyIsReadOnly) {
    const struct {
        bool userWord, machineWord, userDenied, readable;
        uint32_t read;
        int saved;
    } cases[] = {
        {true, true, false, true, 0x0101, 1},  {false, true, false, true, 0x0202, 1},
        {true, false, false, true, 0x0101, 1}, {false, false, false, false, 0, 1},
        {false, true, true, true, 0x0202, 0},
    };
    for (const auto& c : cases) {
        FakeLibrary lib;
        if (c.machineWord) lib.os.SetDword(kKey, "Setting", 0x0202);
        if (c.userWord) lib.os.SetDword(kUserKey, "Setting", 0x0101);
        if (c.userDenied) lib.os.deniedKeys.insert("hkcu\\software\\harnwick\\quorvel");
        lib.os.registryReadOnly = true;
        uint32_t word = 0, user = 0, machine = 0;
        EXPECT_EQ(LoadSettingValue(lib.os, &word), c.readable);
        EXPECT_EQ(word, c.read);
        EXPECT_EQ(SaveSetting(lib.ctx, 0x4000), c.saved);
        EXPECT_EQ(GetSetting(lib.ctx), 0x4000u);
        lib.os.GetDword(kUserKey, "Setting", &user);
        lib.os.GetDword(kKey, "Setting", &machine);
        EXPECT_EQ(user, c.saved ? 0x4000u : 0u);
        EXPECT_EQ(machine, c.machineWord ? 0x0202u : 0u);
    }
}

TEST(Setting, WithoutTheMachineKeyTheWordIsInForceAndKeptForTheUser) {
    FakeLibrary lib;
    lib.os.registry.clear();
    EXPECT_EQ(SaveSetting(lib.ctx, 0), 1);
    EXPECT_EQ(GetSetting(lib.ctx), 0u);
    EXPECT_FALSE(lib.os.KeyExists(kKey));  // the library never creates the machine-wide key
    EXPECT_TRUE(lib.os.KeyExists(kUserKey));
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
    lib.os.SetDword(kUserKey, "Setting", 0x3);
    lib.os.deniedKeys.insert("software\\harnwick\\quorvel");
    lib.os.deniedKeys.insert("hkcu\\software\\harnwick\\quorvel");
    uint32_t word = 0;
    EXPECT_FALSE(LoadSettingValue(lib.os, &word));
    EXPECT_FALSE(StoreSettingValue(lib.os, 0x2));
}

TEST(Setting, ALimitedAccountReadsTheWordAndStoresItsOwn) {
    FakeLibrary lib;
    lib.os.SetDword(kKey, "Setting", 0x2001);
    lib.os.registryReadOnly = true;
    uint32_t word = 0;
    ASSERT_TRUE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(word, 0x2001u);
    EXPECT_EQ(SaveSetting(lib.ctx, 0x4000), 1);
    EXPECT_EQ(GetSetting(lib.ctx), 0x4000u);
    ASSERT_TRUE(LoadSettingValue(lib.os, &word));
    EXPECT_EQ(word, 0x4000u) << "the next start reads the user's word";
    EXPECT_EQ(lib.os.openRegKeys(), 0);
}

}  // namespace
}  // namespace quorvel
