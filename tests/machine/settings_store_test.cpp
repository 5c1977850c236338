// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/settings_store.h"

#include <gtest/gtest.h>

#include "support/user_store_path.h"
#include "tests/support/temp_folder.h"

using namespace settings;

TEST(CashBoxText, StoredWithBlankAtExitAndWithCommaAtPayout) {
    const EuroDecimal amount = EuroDecimal::Parse("100");
    EXPECT_EQ(CashBoxTextAtExit(amount), "100 00");
    EXPECT_EQ(CashBoxTextAtPayout(amount), "100,00");
    EXPECT_EQ(CashBoxTextAtExit(EuroDecimal::Parse("-3,5")), "-3 50");
}

TEST(CashBoxText, BothEncodingsReadBackAsTheSameAmount) {
    const CashBox blank = CashBoxFromStored("12 50");
    const CashBox comma = CashBoxFromStored("12,50");
    EXPECT_EQ(blank.amount, EuroDecimal::Parse("12,5"));
    EXPECT_EQ(comma.amount, blank.amount);
    EXPECT_EQ(blank.text, "12,50");
    EXPECT_EQ(CashBoxFromStored(CashBoxTextAtExit(EuroDecimal::Parse("1234,56"))).amount,
              EuroDecimal::Parse("1234,56"));
}

TEST(CashBoxText, EmptyOrDamagedStartsAtZero) {
    for (const char* stored : {"", "   ", "zwölf", "12 50 30", "1,2,3"}) {
        const CashBox box = CashBoxFromStored(stored);
        EXPECT_EQ(box.amount, EuroDecimal()) << stored;
        EXPECT_EQ(box.text, "0,00") << stored;
    }
}

TEST(StoredSwitch, OnWhenAbsentEmptyOrOne) {
    EXPECT_TRUE(SwitchOn(""));
    EXPECT_TRUE(SwitchOn("1"));
    EXPECT_FALSE(SwitchOn("0"));
    EXPECT_FALSE(SwitchOn("x"));
    EXPECT_FALSE(SwitchOn(" 1"));
    EXPECT_STREQ(SwitchText(true), "1");
    EXPECT_STREQ(SwitchText(false), "0");
}

TEST(StoredChestSteps, RangeAndNonNumbers) {
    EXPECT_EQ(StoredChestSteps(""), std::nullopt);
    EXPECT_EQ(StoredChestSteps("  "), std::nullopt);
    EXPECT_EQ(StoredChestSteps("3"), 3);
    EXPECT_EQ(StoredChestSteps(" 17 "), 17);
    EXPECT_EQ(StoredChestSteps("0"), 0);
    EXPECT_EQ(StoredChestSteps("18"), std::nullopt);
    EXPECT_EQ(StoredChestSteps("-1"), std::nullopt);
    EXPECT_EQ(StoredChestSteps("drei"), 0);
    EXPECT_EQ(StoredChestSteps("3x"), 0);
    EXPECT_EQ(StoredChestSteps("99999999999"), 0);
}

TEST(PerUserStore, InstallFolderAndCashBoxInTheirOwnKeys) {
    TempFolder home;
    SetUserStorePath(home / "registry.ini");
    EXPECT_EQ(RecordedInstallFolder(), "");
    EXPECT_EQ(ReadCashBoxText(), "");
    RecordInstallFolder("/opt/tresolo/tresolo", "/opt/tresolo/");
    WriteCashBoxText("12 50");
    EXPECT_EQ(RecordedInstallFolder(), "/opt/tresolo/");
    EXPECT_EQ(ReadCashBoxText(), "12 50");
    const std::string store = ReadBytes(home / "registry.ini");
    EXPECT_NE(store.find("[Software\\Tresolo]"), std::string::npos);
    EXPECT_NE(store.find("/opt/tresolo/tresolo"), std::string::npos);
    EXPECT_NE(store.find("KA="), std::string::npos);
    SetUserStorePath({});
}
