// SPDX-License-Identifier: GPL-3.0-or-later
// The player's protections in the real program: the play-time reminder at the end of the
// game that runs when the time has passed, automatic play waiting for the answer, and the
// monthly deposit limit at its edge, counted over the play sessions of the calendar month.
#include "statistics/protection.h"

#include "support/profile_string.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

// Click to the end of a lost game's spin sequence: evaluation at 9800 ms, the re-spin offer,
// then the autostart step ends the game 13300 ms after the click.
constexpr int kLostGameMs = 13300;

void SetIni(StartedProgram& p, const char* key, const std::string& value) {
    WritePrivateProfileString("Spielerschutz", key, value, p.folder / "Tresolo.ini");
}

// Every message box with the session time it opened at; each is answered after `answerMs`.
struct Boxes {
    Boxes(PlayedGame& g, int answerMs) {
        TApplication& app = g.h().App();
        auto shown = app.OnMessageBox;
        app.OnMessageBox = [this, &g, shown, answerMs](const std::string& caption, const std::string& text) {
            shown(caption, text);
            at.push_back(Recorder(*g.f).SessionMs());
            texts.push_back(text);
            g.Key(VK_RETURN, answerMs);
        };
    }
    std::vector<std::int64_t> at;
    std::vector<std::string> texts;
};

TEST(Reminder, ShowsAtTheEndOfTheGameRunningWhenTheMinutesHavePassed) {
    PlayedGame g;
    TForm1& f = *g.f;
    Recorder(f).SetProtection({1, std::nullopt});
    Boxes boxes(g, 100);
    g.SetCredit("5,00");
    const std::int64_t start = Recorder(f).SessionMs();
    // A click every 14 s: the fifth game starts at 57 s and is running at 60 s.
    for (int k = 0; k < 6; ++k) {
        g.NextReels(W::W1, W::W3, W::W5);
        g.Click(*f.StartBtn, 1000 + 14000 * k - (Recorder(f).SessionMs() - start));
        g.Run(14000);
    }
    ASSERT_EQ(boxes.at.size(), 1u);
    EXPECT_EQ(boxes.at[0], start + 1000 + 14000 * 4 + kLostGameMs);
    EXPECT_EQ(boxes.texts[0], "Sie spielen seit 1 Minute. Ihr Ergebnis in dieser Sitzung: -1,00 Euro. Denken Sie an eine Pause!");
    EXPECT_EQ(g.Credit(), "3,80");  // the sixth game went on after the answer
}

TEST(Reminder, AutomaticPlayWaitsForTheAnswer) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    KnownPlayer(f);
    Recorder(f).SetProtection({1, std::nullopt});
    Boxes boxes(g, 5000);
    std::int64_t nextStart = 0;
    std::string creditWhileOpen;
    g.Whenever([&] { return !boxes.at.empty() && !nextStart && f.Timer1->Enabled(); },
               [&] { nextStart = Recorder(f).SessionMs(); });
    g.Whenever([&] { return boxes.at.size() == 1 && creditWhileOpen.empty(); }, [&] { creditWhileOpen = g.Credit(); });
    for (int i = 0; i < 12; ++i) g.Rng().Script({PositionOf(W::W1), PositionOf(W::W5), PositionOf(W::W3)});
    MenueDlg->Button_5_EuroClick(nullptr);
    g.Run(100000);
    ASSERT_GE(boxes.at.size(), 1u);
    // Answered 5 s later; the next game takes its stake 2 s after that, not before.
    EXPECT_NEAR(nextStart - boxes.at[0], 7000, 5);
    EXPECT_FALSE(creditWhileOpen.empty());
}

TEST(Reminder, OffShowsNothing) {
    EXPECT_FALSE(ReminderDue(10 * 3600000, 0, 0));
    EXPECT_TRUE(ReminderDue(60 * 60000, 0, 60));
    EXPECT_FALSE(ReminderDue(60 * 60000 - 1, 0, 60));
    EXPECT_FALSE(ReminderDue(119 * 60000, 61 * 60000, 60));
    EXPECT_TRUE(ReminderDue(120 * 60000, 61 * 60000, 60));
    EXPECT_EQ(PlayTimeText(125 * 60000 + 59999), "2 Stunden und 5 Minuten");
}

// The menu's deposits against a limit stored in the INI file.
class Limit : public ::testing::Test {
protected:
    // The program started again in the same folder, with the limit stored.
    void Start(const char* limit, PlatformServices services = QuietServices()) {
        g->Stop();
        SetIni(*g, "EinzahlungslimitMonat", limit);
        g->Start(std::move(services));
        g->f = Form1;
        MenueDlg->AutoStartCheckBox->SetChecked(false);
        g->h().RunFor(100);
        KnownPlayer(*Form1);
        // Every message box is answered, so a wrong refusal fails rather than waits.
        auto shown = g->h().App().OnMessageBox;
        g->h().App().OnMessageBox = [this, shown](const std::string& caption, const std::string& text) {
            shown(caption, text);
            g->Key(VK_RETURN, 10);
        };
    }
    std::string Debt() { return Form1->Money.Schulden().ToFixed(2); }
    std::optional<PlayedGame> g{std::in_place};
};

TEST_F(Limit, ReachingItExactlyIsAllowedOneCentOverIsRefused) {
    Start("10,00");
    MenueDlg->Button_5_EuroClick(nullptr);
    MenueDlg->Button_2_EuroClick(nullptr);
    MenueDlg->Button_1_EuroClick(nullptr);
    MenueDlg->Button_1_EuroClick(nullptr);
    MenueDlg->Button_50_CentClick(nullptr);
    MenueDlg->Button_50_CentClick(nullptr);
    EXPECT_EQ(g->Credit(), "10,00");
    EXPECT_TRUE(g->h().MessageBoxes().empty());
    MenueDlg->Button_10_CentClick(nullptr);
    ASSERT_EQ(g->h().MessageBoxes().size(), 1u);
    EXPECT_EQ(g->h().MessageBoxes()[0].first, "Information");
    EXPECT_EQ(g->h().MessageBoxes()[0].second,
              "Ihr Einzahlungslimit beträgt 10,00 Euro im Monat. In diesem Monat können Sie noch 0,00 Euro "
              "einzahlen. Einzahlung wird abgelehnt.");
    EXPECT_EQ(g->Credit(), "10,00");
    EXPECT_EQ(Debt(), "10,00");
    EXPECT_EQ(Form1->Money.Automatenkasse().ToFixed(2), "10,00");
}

// A second deposit made while the first note still sinks counts the first one too.
TEST_F(Limit, DepositWhileAnotherSinksCountsBoth) {
    Start("60,00");
    g->Click(*Form1->MenueBtn);
    g->At(50, [&] { g->Click(*MenueDlg->Button_50_Euro); });
    g->At(300, [&] { g->Click(*Form1->MenueBtn); });  // the menu again, while the note sinks
    g->At(400, [&] { g->Click(*MenueDlg->Button_20_Euro); });
    g->Run(8000);
    ASSERT_EQ(g->h().MessageBoxes().size(), 1u);
    EXPECT_EQ(g->h().MessageBoxes()[0].second,
              "Ihr Einzahlungslimit beträgt 60,00 Euro im Monat. In diesem Monat können Sie noch 10,00 Euro "
              "einzahlen. Einzahlung wird abgelehnt.");
    EXPECT_EQ(Debt(), "50,00");
    EXPECT_EQ(g->Credit(), "50,00");
}

TEST_F(Limit, OneCentBelowTheNoteRefusesItAndNamesWhatIsLeft) {
    Start("9,99");
    MenueDlg->Button_10_EuroClick(nullptr);
    ASSERT_EQ(g->h().MessageBoxes().size(), 1u);
    EXPECT_NE(g->h().MessageBoxes()[0].second.find("Einzahlungslimit beträgt 9,99 Euro im Monat. In diesem Monat "
                                                    "können Sie noch 9,99 Euro einzahlen."),
              std::string::npos);
    EXPECT_EQ(g->Credit(), "0,00");
    MenueDlg->Button_5_EuroClick(nullptr);
    EXPECT_EQ(g->Credit(), "5,00");
}

// Deposits of an earlier session in the same month count; those of the month before do not.
TEST_F(Limit, CountsTheWholeCalendarMonthOverSessions) {
    PlatformServices november = QuietServices();
    november.localTime = [] {
        std::tm t = FixedTime();
        t.tm_mon = 10;
        t.tm_mday = 30;
        return t;
    };
    Start("30", november);
    MenueDlg->Button_20_EuroClick(nullptr);
    Start("30");
    MenueDlg->Button_20_EuroClick(nullptr);
    Start("30");
    EXPECT_EQ(Recorder(*Form1).DepositedThisMonth(), 2000);
    MenueDlg->Button_20_EuroClick(nullptr);
    EXPECT_EQ(g->h().MessageBoxes().size(), 1u);
    MenueDlg->Button_10_EuroClick(nullptr);
    EXPECT_EQ(g->Credit(), "10,00");
}

TEST(ProtectionInput, BadEntriesAreRefusedWithAMessage) {
    std::string message;
    EXPECT_EQ(ParseLimitCents("100", message), 10000);
    EXPECT_EQ(ParseLimitCents(" 49,50 ", message), 4950);
    EXPECT_EQ(ParseLimitCents("0", message), 0);
    for (const char* bad : {"", "-5", "12,345", "zehn", "1e12"}) {
        message.clear();
        EXPECT_FALSE(ParseLimitCents(bad, message)) << bad;
        EXPECT_FALSE(message.empty()) << bad;
    }
    EXPECT_EQ(ParseReminderMinutes("45", message), 45);
    for (const char* bad : {"0", "-1", "1,5", "abc", "1441"}) EXPECT_FALSE(ParseReminderMinutes(bad, message)) << bad;
}

}  // namespace
