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
}

}  // namespace
