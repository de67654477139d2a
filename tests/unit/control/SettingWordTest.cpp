#include "control/core/SettingWord.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(SettingWord, CheckBoxesStandForTheirBitsInTabOrder) {
    const auto& controls = SettingFormTable().controls;
    EXPECT_EQ(std::string(controls[0].name), "CheckSmartMove");
    EXPECT_EQ(SettingBitOfCheckBox(0), SETTING_SMART_MOVE);
    EXPECT_EQ(std::string(controls[3].name), "CheckJustWheelIt");
    EXPECT_EQ(SettingBitOfCheckBox(3), SETTING_JUST_WHEEL_IT);
    EXPECT_EQ(std::string(controls[7].name), "CheckAppMinimize");
    EXPECT_EQ(SettingBitOfCheckBox(7), SETTING_APP_MINIMIZE);
    EXPECT_EQ(std::string(controls[13].name), "CheckIELaunch");
    EXPECT_EQ(SettingBitOfCheckBox(13), SETTING_IE_LAUNCH);
    EXPECT_EQ(SettingBitOfCheckBox(14), 0u);
}

TEST(SettingWord, EveryBoxHasItsOwnBit) {
    uint32_t all = 0;
    for (int box = 0; box < SETTING_CHECK_BOX_COUNT; ++box) {
        EXPECT_EQ(all & SettingBitOfCheckBox(box), 0u) << box;
        all |= SettingBitOfCheckBox(box);
    }
    EXPECT_EQ(all, 0x7FEFu);
}

TEST(SettingWord, OkDropsBit0x0010AndHigherBits) {
    const SettingChecks withBit = ChecksFromSettingWord(0xFFFF0010u | SETTING_APP_CLOSE);
    EXPECT_EQ(withBit, ChecksFromSettingWord(SETTING_APP_CLOSE));
    EXPECT_EQ(SettingWordFromChecks(withBit), SETTING_APP_CLOSE);
    EXPECT_EQ(SettingWordFromChecks(ChecksFromSettingWord(0xFFFF)), 0x7FEFu);
}

TEST(SettingWord, ZeroOpensUncheckedAndSavesZero) {
    const SettingChecks none = ChecksFromSettingWord(0);
    for (bool checked : none) EXPECT_FALSE(checked);
    EXPECT_EQ(SettingWordFromChecks(none), 0u);
}

TEST(SettingWord, UncheckingOneBoxClearsOnlyItsBit) {
    SettingChecks checks = ChecksFromSettingWord(0xFFFF);
    checks[7] = false;  // "&Minimize"
    EXPECT_EQ(SettingWordFromChecks(checks), 0x7FEFu & ~SETTING_APP_MINIMIZE);
}

TEST(SettingWord, AFailedSaveIsToldInPlainWords) {
    EXPECT_EQ(SettingSaveFailureText(1), "");
    for (uint32_t failed : {0u, 2u}) {
        const std::string text = SettingSaveFailureText(failed);
        EXPECT_NE(text.find("lost when Quorvel starts again"), std::string::npos) << failed;
        EXPECT_NE(text.find("HKEY_CURRENT_USER\\Software\\Harnwick\\Quorvel"), std::string::npos) << failed;
    }
}

}  // namespace
}  // namespace quorvel
