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
            games.push_back(Recorder(*g.f).Session().Games());
            texts.push_back(text);
            g.Key(VK_RETURN, answerMs);
        };
    }
    std::vector<std::int64_t> at, games;
    std::vector<std::string> texts;
};

// Lost games by clicks every 14 s from `first` (session time); the fifth is running when a
// minute of play has passed.
void SixGamesFrom(PlayedGame& g, std::int64_t first) {
    for (int k = 0; k < 6; ++k) {
        g.NextReels(W::W1, W::W3, W::W5);
        g.Click(*g.f->StartBtn, static_cast<int>(first + 14000 * k - Recorder(*g.f).SessionMs()));
        g.Run(14000);
    }
}

TEST(Reminder, ShowsAtTheEndOfTheGameRunningWhenTheMinutesHavePassed) {
    PlayedGame g;
    TForm1& f = *g.f;
    Recorder(f).SetProtection({1, std::nullopt, std::nullopt});
    Boxes boxes(g, 100);
    g.SetCredit("5,00");
    const std::int64_t start = Recorder(f).SessionMs();
    SixGamesFrom(g, start + 1000);
    ASSERT_EQ(boxes.at.size(), 1u);
    EXPECT_EQ(boxes.at[0], start + 1000 + 14000 * 4 + kLostGameMs);
    EXPECT_EQ(boxes.texts[0], "Sie spielen seit 1 Minute. Ihr Ergebnis in dieser Sitzung: -1,00 Euro. Denken Sie an eine Pause!");
    EXPECT_EQ(g.Credit(), "3,80");  // the sixth game went on after the answer
}

// Idle time before the first game counts for nothing, and a quarter of an hour without a game
// starts the play time afresh: each time the box comes at the end of the game that passes a
// minute of play.
TEST(Reminder, PlayTimeRunsFromTheFirstGameAndStartsAfreshAfterABreak) {
    PlayedGame g;
    TForm1& f = *g.f;
    f.Timer4->SetEnabled(false);  // the shark would cost wall time only
    Recorder(f).SetProtection({1, std::nullopt, std::nullopt});
    Boxes boxes(g, 100);
    g.SetCredit("5,00");
    for (std::size_t round = 0; round < 2; ++round) {
        g.Run(static_cast<int>(kPlayBreakMs));
        EXPECT_EQ(Recorder(f).PlayMs() > 0, round > 0);
        const std::int64_t first = Recorder(f).SessionMs() + 1000;
        SixGamesFrom(g, first);
        ASSERT_EQ(boxes.at.size(), round + 1);
        EXPECT_EQ(boxes.at[round], first + 14000 * 4 + kLostGameMs);
        EXPECT_NE(boxes.texts[round].find("seit 1 Minute."), std::string::npos);
    }
}

// The autostart step that follows a deposit ends no game: the reminder waits for the end of
// the game that the step starts.
TEST(Reminder, NotAtTheAutostartStepOfADeposit) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    KnownPlayer(f);
    f.Timer4->SetEnabled(false);
    Recorder(f).SetProtection({1, std::nullopt, std::nullopt});
    Boxes boxes(g, 100);
    for (int i = 0; i < 4; ++i) g.Rng().Script({PositionOf(W::W1), PositionOf(W::W5), PositionOf(W::W3)});
    MenueDlg->Button_50_CentClick(nullptr);  // two games
    g.Run(60000);
    EXPECT_TRUE(boxes.at.empty());
    g.Run(5 * 60000);  // a minute of play has passed, but no game runs
    EXPECT_TRUE(boxes.at.empty());
    MenueDlg->Button_50_CentClick(nullptr);  // two more
    g.Run(60000);
    ASSERT_EQ(boxes.games.size(), 1u);
    EXPECT_EQ(boxes.games[0], 3);
}

TEST(Reminder, AutomaticPlayWaitsForTheAnswer) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    KnownPlayer(f);
    Recorder(f).SetProtection({1, std::nullopt, std::nullopt});
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

// Numbers agree with their nouns: one minute, one hour, and no "0 Minuten" after the hours.
TEST(Reminder, NumbersAgreeWithTheirNouns) {
    EXPECT_EQ(PlayTimeText(60000), "1 Minute");
    EXPECT_EQ(PlayTimeText(60 * 60000), "1 Stunde");
    EXPECT_EQ(PlayTimeText(61 * 60000), "1 Stunde und 1 Minute");
    EXPECT_EQ(PlayTimeText(120 * 60000 + 59999), "2 Stunden");
    EXPECT_EQ(ReminderText(60 * 60000, -60), "Sie spielen seit 1 Stunde. Ihr Ergebnis in dieser Sitzung: -0,60 Euro. "
                                             "Denken Sie an eine Pause!");
    EXPECT_EQ(MinutesWord(1), "Minute");
    EXPECT_EQ(MinutesWord(60), "Minuten");
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

PlatformServices On(int day, int hour, int minute) {
    PlatformServices services = QuietServices();
    services.localTime = [day, hour, minute] {
        std::tm t = FixedTime();
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        return t;
    };
    return services;
}

// As in regulated play: a lower limit applies at once, a higher one (or none) from the
// seventh day after the player asked, kept across starts; a lowering drops a raise waiting.
TEST_F(Limit, ARaiseWaitsSevenDaysALoweringAppliesAtOnce) {
    Start("60");
    ASSERT_TRUE(Recorder(*Form1).ChangeProtection(60, 10000));
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 6000);
    MenueDlg->Button_50_EuroClick(nullptr);
    MenueDlg->Button_20_EuroClick(nullptr);
    EXPECT_EQ(g->Credit(), "50,00");
    Start("60", On(12, 23, 59));
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 6000);
    ASSERT_TRUE(Recorder(*Form1).Protection().raise);
    EXPECT_EQ(MonthText(5000, Recorder(*Form1).Protection()),
              "In diesem Monat eingezahlt: 50,00 Euro.\nNoch möglich: 10,00 Euro.\nErhöhung auf 100,00 Euro ab 13.12.2026.");
    Start("60", On(13, 0, 0));
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 10000);
    EXPECT_FALSE(Recorder(*Form1).Protection().raise);
    MenueDlg->Button_20_EuroClick(nullptr);
    EXPECT_EQ(g->Credit(), "20,00");
    // No limit waits too; a lower one then holds at once and the wait ends.
    ASSERT_TRUE(Recorder(*Form1).ChangeProtection(60, std::nullopt));
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 10000);
    EXPECT_NE(MonthText(7000, Recorder(*Form1).Protection()).find("Aufhebung des Limits ab 20.12.2026."),
              std::string::npos);
    ASSERT_TRUE(Recorder(*Form1).ChangeProtection(60, 8000));
    EXPECT_EQ(Recorder(*Form1).Protection().monthlyLimitCents, 8000);
    EXPECT_FALSE(Recorder(*Form1).Protection().raise);
    MenueDlg->Button_20_EuroClick(nullptr);
    EXPECT_EQ(g->Credit(), "20,00");
    ASSERT_EQ(g->h().MessageBoxes().size(), 1u);
    EXPECT_NE(g->h().MessageBoxes()[0].second.find("80,00 Euro im Monat"), std::string::npos);
}

TEST(ProtectionInput, BadEntriesAreRefusedWithAMessage) {
    EXPECT_EQ(*ParseLimitCents("100"), 10000);
    EXPECT_EQ(*ParseLimitCents(" 49,50 "), 4950);
    EXPECT_EQ(*ParseLimitCents("0"), 0);
    for (const char* bad : {"", "-5", "12,345", "zehn", "1e12"}) {
        const Result<std::int64_t> limit = ParseLimitCents(bad);
        EXPECT_FALSE(limit) << bad;
        EXPECT_FALSE(limit.Why().reason.empty()) << bad;
    }
    EXPECT_EQ(*ParseReminderMinutes("45"), 45);
    for (const char* bad : {"0", "-1", "1,5", "abc", "1441"}) {
        const Result<int> minutes = ParseReminderMinutes(bad);
        EXPECT_FALSE(minutes) << bad;
        EXPECT_FALSE(minutes.Why().reason.empty()) << bad;
    }
}

}  // namespace
