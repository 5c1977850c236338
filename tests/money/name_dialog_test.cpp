// SPDX-License-Identifier: GPL-3.0-or-later
// The name dialog at the first menu: the previous player, blank names, 20 characters.
#include <gtest/gtest.h>

#include "machine/name_dlg.h"
#include "tests/game/played_game.h"

namespace {

class NameDialog : public ::testing::Test {
protected:
    void OpenFirstMenu() { g.Click(*f.MenueBtn); }

    PlayedGame g;
    TForm1& f = *g.f;
    TNameEingabeDlg& dlg = *NameEingabeDlg;
};

// Blanks and OK bring the dialog back; "Name übernehmen" takes the stored player.
TEST_F(NameDialog, PreviousPlayerIsOfferedAndBlanksAreNoName) {
    g.SetIni("SpielerName", "Max");
    OpenFirstMenu();
    g.h().Type("   ", 50);
    g.Key(VK_RETURN, 60);
    g.At(100, [&] {
        EXPECT_EQ(dlg.Label2->Caption(), "Vorheriger Spieler: Max");
        EXPECT_EQ(f.Program.SpielerName, "   ");
        EXPECT_TRUE(dlg.IsShown());
        g.Click(*dlg.Button1);
    });
    g.At(150, [&] {
        EXPECT_EQ(dlg.Edit1->Text(), "Max");
        g.Click(*dlg.OKBtn);
    });
    g.Run(200);
    EXPECT_FALSE(dlg.IsShown());
    EXPECT_TRUE(MenueDlg->IsShown());
    EXPECT_EQ(f.Program.SpielerName, "Max");
}

// Characters, not bytes: a 25-character name with umlauts keeps its first 20 whole.
TEST_F(NameDialog, NameIsCutToTwentyCharacters) {
    OpenFirstMenu();
    g.h().Type("Jürgen-Müller-Lüdenscheid", 50);
    g.At(100, [&] {
        EXPECT_EQ(dlg.Label2->Caption(), "");
        EXPECT_EQ(dlg.Edit1->Text(), "Jürgen-Müller-Lüdens");
        EXPECT_EQ(f.Program.SpielerName, "Jürgen-Müller-Lüdens");
    });
    g.h().Type("ö", 110);
    g.At(150, [&] { EXPECT_EQ(dlg.Edit1->Text(), "Jürgen-Müller-Lüdens"); });
    g.Key(VK_RETURN, 160);
    g.Run(200);
    EXPECT_TRUE(MenueDlg->IsShown());
    EXPECT_EQ(f.Program.SpielerName, "Jürgen-Müller-Lüdens");
    // Kept when taken: a page that goes away or a killed process never reaches the end's save.
    EXPECT_EQ(g.Ini("SpielerName"), "Jürgen-Müller-Lüdens");
}

}  // namespace

// Twenty characters of another script with a slash among them: the name keeps them whole,
// the debt log stays a plain file in the working folder, and the next start offers the name.
TEST_F(NameDialog, NonLatinNameWithASlashSurvivesTheLogAndTheNextStart) {
    const std::string name = "東京/特許許可局長今日急遽休暇許可拒否東";  // 20 characters
    OpenFirstMenu();
    g.h().Type(name + "京特許", 50);
    g.Key(VK_RETURN, 100);
    g.Run(1100);  // the clock has ticked
    ASSERT_EQ(f.Program.SpielerName, name);
    SetDebt(f.Money, "5");
    f.WriteDebtLog();
    EXPECT_EQ(ReadBytes(g.folder / "東京_特許許可局長今日急遽休暇許可拒否東 06_12_2026 22_39_00.txt"),
              name + " hat am 06.12.2026 22:39:00 5,00 Euro Schulden beim Tresolo gemacht!\r\n");
    EXPECT_FALSE(std::filesystem::exists(g.folder / "東京"));
    g.Stop();
    EXPECT_EQ(g.Ini("SpielerName"), name);
    g.Start();
    g.h().RunFor(100);
    g.Click(*Form1->MenueBtn);
    g.At(50, [&] { g.Click(*NameEingabeDlg->Button1); });
    g.At(100, [&] {
        EXPECT_EQ(NameEingabeDlg->Label2->Caption(), "Vorheriger Spieler: " + name);
        EXPECT_EQ(NameEingabeDlg->Edit1->Text(), name);
        g.Click(*NameEingabeDlg->OKBtn);
    });
    g.Run(200);
    EXPECT_EQ(Form1->Program.SpielerName, name);
}
