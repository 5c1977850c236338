// SPDX-License-Identifier: GPL-3.0-or-later
// A file the player keeps cannot be written: a box names the file and the reason, once per
// file and run, and the game goes on. The end of the program can show nothing any more.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

// The INI file and the store below a regular file: no one can write them, not even root.
struct SaveFailure : ::testing::Test {
    SaveFailure() {
        WriteBytes(g.folder / "datei", "");
        f.Program.IniDateiName = (g.folder / "datei" / "Tresolo.ini").string();
        SetUserStorePath(g.folder / "datei" / "registry.ini");
        f.Program.SpielerName = "Max";
        f.Game.ErsterMenueAufruf = false;
    }
    std::string Notice(const char* file) const {
        return "Die Datei \"" + (g.folder / "datei" / file).string() +
               "\" konnte nicht gespeichert werden: Ein Teil des Pfades ist kein Ordner. Das Spiel geht weiter.";
    }
    const std::vector<std::pair<std::string, std::string>>& Boxes() { return g.h().MessageBoxes(); }

    PlayedGame g;
    TForm1& f = *g.f;
};

TEST_F(SaveFailure, OneBoxPerFileAndTheGameGoesOn) {
    auto shown = g.h().App().OnMessageBox;
    g.h().App().OnMessageBox = [this, shown](const std::string& caption, const std::string& text) {
        shown(caption, text);
        g.Key(VK_RETURN, 50);
    };
    g.Click(*f.MenueBtn);
    g.At(100, [&] { g.Click(*MenueDlg->LogDateiSpeichern); });
    g.At(200, [&] {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].first, "Warnung");
        EXPECT_EQ(Boxes()[0].second, Notice("Tresolo.ini"));
    });
    g.At(300, [&] { g.Click(*MenueDlg->PC_LautsprHoeren); });  // the same file: no second box
    // The deposit stores the cash box at once: the store's box, once, however often it fails.
    g.At(400, [&] { g.Click(*MenueDlg->Button_10_Euro); });
    g.At(3000, [&] { g.Click(*f.MenueBtn); });
    g.At(3100, [&] { g.Click(*MenueDlg->Button_5_Euro); });
    g.Run(8000);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].second, Notice("registry.ini"));
    EXPECT_FALSE(g.h().Halted());
    EXPECT_EQ(g.Credit(), "15,00");
    testing::internal::CaptureStderr();
    g.Stop();  // the end of the program: stderr only
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("datei/Tresolo.ini: Not a directory"), std::string::npos) << told;
    EXPECT_NE(told.find("datei/registry.ini: Not a directory"), std::string::npos) << told;
}

// The payout's own store write fails: the notice shows before the result, and the payout
// goes on to its end.
TEST_F(SaveFailure, PayoutTellsAndPaysOut) {
    g.SetCredit("5,00");
    MenueDlg->LogDateiSpeichern->SetChecked(false);  // one file less
    g.At(10, [&] { ASSERT_EQ(Boxes().size(), 1u); g.Key(VK_RETURN); });  // the switch's INI write
    g.Click(*f.MenueBtn, 20);
    g.At(100, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
    g.At(1150, [&] {
        ASSERT_EQ(Boxes().size(), 2u);
        EXPECT_EQ(Boxes()[1].second, Notice("registry.ini"));
        g.Key(VK_RETURN);
    });
    g.At(1200, [&] {
        ASSERT_EQ(Boxes().size(), 3u);
        EXPECT_NE(Boxes()[2].second.find("Max hat 5,00 Euro Guthaben beim Tresolo!"), std::string::npos);
        g.Key(VK_RETURN);
    });
    g.Run(5000);
    EXPECT_TRUE(g.h().Halted());
    EXPECT_EQ(g.Credit(), "0,00");
}

}  // namespace
