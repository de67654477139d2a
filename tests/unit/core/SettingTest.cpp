#include <gtest/gtest.h>

#include "tests/unit/support/FakeDesktop.h"
#include "hooklib/core/Setting.h"
#include "hooklib/core/WinConstants.h"

namespace quorvel {
namespace {

using testing::FakeLibrary;
constexpr const char* kKey = "SOFTWARE\\Harnwick\\Quorvel";
constexpr const char* kUserKey = "hkcu\\Software\\Harnwick\\Quorvel";

// On a standard account (the machine-wide key read-only): the user's word
// first, else the installer's, else none (the caller takes 0xFFFF); the save
// goes to the user's key and reports 1 only when it was written.
TEST(Setting, ReadOrderAndSaveResultWhereTheMachineKeyIsReadOnly) {
    const struct {
        bool userWord, machineWord, userDenied, machineDenied, readable;
        uint32_t read;
        int saved;
    } cases[] = {
        {true, true, false, false, true, 0x0101, 1},  {false, true, false, false, true, 0x0202, 1},
        {true, false, false, false, true, 0x0101, 1}, {false, false, false, false, false, 0, 1},
        {false, true, true, false, true, 0x0202, 0},  {true, true, true, true, false, 0, 0},
    };
    for (const auto& c : cases) {
        FakeLibrary lib;
        if (c.machineWord) lib.os.SetDword(kKey, "Setting", 0x0202);
        if (c.userWord) lib.os.SetDword(kUserKey, "Setting", 0x0101);
        if (c.userDenied) lib.os.deniedKeys.insert("hkcu\\software\\harnwick\\quorvel");
        if (c.machineDenied) lib.os.deniedKeys.insert("software\\harnwick\\quorvel");
        lib.os.registryReadOnly = true;
        uint32_t word = 0, user = 0, machine = 0;
        EXPECT_EQ(LoadSettingValue(lib.os, &word), c.readable);
        EXPECT_EQ(word, c.read);
        EXPECT_EQ(SaveSetting(lib.ctx, 0x4000), c.saved);
        EXPECT_EQ(GetSetting(lib.ctx), 0x4000u);
        lib.os.deniedKeys.clear();
        lib.os.GetDword(kUserKey, "Setting", &user);
        lib.os.GetDword(kKey, "Setting", &machine);
        EXPECT_EQ(user, c.saved ? 0x4000u : c.userWord ? 0x0101u : 0u);
        EXPECT_EQ(machine, c.machineWord ? 0x0202u : 0u) << "the machine-wide word is only read";
        EXPECT_EQ(LoadSettingValue(lib.os, &word) && word == 0x4000u, c.saved == 1) << "the next start reads it";
        EXPECT_EQ(lib.os.openRegKeys(), 0);
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

}  // namespace
}  // namespace quorvel
