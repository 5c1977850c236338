// SPDX-License-Identifier: GPL-3.0-or-later
// The cash box, the play history and the month's deposits agree at every start: the cash box
// is stored with every money move; where a kill came between the history's write and the
// store's, the start takes the record that saw the later move and records the repair; the
// month's deposits are known with the history off and with the clock set back; every way
// out closes the running game and the session.
#include "machine/settings_store.h"
#include "statistics/history_schema.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

struct Stored {
    std::string cashBox, month, monthDeposits, entry;
};

Stored Store(const StartedProgram& p) {
    const char* key = "Software\\TresoloKasse";
    return {p.Registry(key, "KA"), p.Registry(key, "Monat"), p.Registry(key, "MonatEingezahlt"),
            p.Registry(key, "Buchung")};
}

struct Visit : PlayedGame {
    Visit() { KnownPlayer(*f); }
    // Started again; every box is answered, so a box at the start fails rather than waits.
    void Again(PlatformServices services = QuietServices()) {
        Stop();
        Start(std::move(services));
        f = Form1;
        auto shown = h().App().OnMessageBox;
        h().App().OnMessageBox = [this, shown](const std::string& caption, const std::string& text) {
            shown(caption, text);
            Key(VK_RETURN, 10);
        };
        h().RunFor(100);
        KnownPlayer(*f);
    }
    std::string CashBox() const { return f->Money.Automatenkasse().ToFixed(2); }
    std::int64_t Single(const std::string& sql) {
        SqlDatabase db(HistoryIn(*this));
        return db.Single(sql, -1);
    }
};

TEST(CashBoxStored, WithEveryMoveThatChangesIt) {
    Visit v;
    MenueDlg->Button_5_EuroClick(nullptr);
    EXPECT_EQ(Store(v).cashBox, "5 00");
    EXPECT_EQ(Store(v).month, "2026-12");
    EXPECT_EQ(Store(v).monthDeposits, "5,00");
    EXPECT_EQ(Store(v).entry, std::to_string(v.Single("SELECT MAX(id) FROM cash_box")));
    MenueDlg->Button_2_EuroClick(nullptr);
    EXPECT_EQ(Store(v).cashBox, "7 00");
    EXPECT_EQ(v.Single("SELECT cents FROM cash_box ORDER BY id DESC LIMIT 1"), 700);
    // The full cash box emptied: stored at once, and the history holds it.
    SetCashBox(v.f->Money, "10005,00");
    v.Click(*v.f->MenueBtn);
    v.Key(VK_RETURN, 200);  // the box that says so
    v.At(100, [&] {});
    v.Run(400);
    EXPECT_EQ(Store(v).cashBox, "100 00");
    EXPECT_EQ(v.Single("SELECT cents FROM cash_box ORDER BY id DESC LIMIT 1"), 10000);
}

// Killed after the history wrote the deposit and before the store did: the store still
// holds what it held before. The next start takes the history's cash box and month.
TEST(CashBoxAtStart, AKillBetweenTheWritesTakesTheHistorysLaterMove) {
    Visit v;
    MenueDlg->Button_5_EuroClick(nullptr);
    const std::string before = ReadBytes(v.store);
    MenueDlg->Button_20_EuroClick(nullptr);
    v.Stop();
    WriteBytes(v.store, before);
    v.Again();
    EXPECT_EQ(v.CashBox(), "25,00");
    EXPECT_EQ(Store(v).cashBox, "25 00");
    EXPECT_EQ(Store(v).monthDeposits, "25,00");
    EXPECT_EQ(Recorder(*v.f).DepositedThisMonth(), 2500);
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM repairs"), 1);
    SqlDatabase db(HistoryIn(v));
    SqlStatement what(db.Handle(), "SELECT what FROM repairs");
    ASSERT_TRUE(what.Step());
    EXPECT_EQ(what.Text(0), "Einzahlungen des Monats 5,00 auf 25,00 Euro aus der Aufzeichnung. "
                            "Kasse 5,00 auf 25,00 Euro aus der Aufzeichnung.");
    // Agreed now: a further start repairs nothing.
    v.Again();
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM repairs"), 1);
}

// The history missed a move the store holds (it was off): the store's cash box stands, and
// the history takes it.
TEST(CashBoxAtStart, AHistoryThatMissedAMoveTakesTheStoredCashBox) {
    Visit v;
    MenueDlg->Button_5_EuroClick(nullptr);
    MenueDlg->Button_20_EuroClick(nullptr);
    v.Stop();
    {
        SqlDatabase db(HistoryIn(v));
        db.Exec("DELETE FROM cash_box WHERE id = (SELECT MAX(id) FROM cash_box)");
    }
    v.Again();
    EXPECT_EQ(v.CashBox(), "25,00");
    EXPECT_EQ(v.Single("SELECT cents FROM cash_box ORDER BY id DESC LIMIT 1"), 2500);
    EXPECT_EQ(Store(v).entry, std::to_string(v.Single("SELECT MAX(id) FROM cash_box")));
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM repairs"), 1);
}

// The month's deposits sit beside the cash box: a history that is off (here of a newer
// program) forgets none of them.
TEST(MonthDeposits, CountWithTheHistoryOff) {
    Visit v;
    WritePrivateProfileString("Spielerschutz", "EinzahlungslimitMonat", "60", v.folder / "Tresolo.ini");
    v.Again();
    MenueDlg->Button_50_EuroClick(nullptr);
    v.Stop();
    {
        SqlDatabase db(HistoryIn(v));
        db.Exec("PRAGMA user_version = 99");
    }
    v.Again();
    ASSERT_EQ(v.h().MessageBoxes().size(), 1u);  // the history stays off
    MenueDlg->Button_50_EuroClick(nullptr);
    EXPECT_EQ(v.Credit(), "0,00");
    EXPECT_EQ(Recorder(*v.f).DepositedThisMonth(), 5000);
    EXPECT_NE(v.h().MessageBoxes().back().second.find("noch 10,00 Euro"), std::string::npos);
}

// A clock set back into the month before counts this month's deposits still.
TEST(MonthDeposits, AClockSetBackKeepsTheLatestMonth) {
    Visit v;
    MenueDlg->Button_50_EuroClick(nullptr);
    PlatformServices november = QuietServices();
    november.localTime = [] {
        std::tm t = FixedTime();
        t.tm_mon = 10;
        return t;
    };
    v.Again(november);
    EXPECT_EQ(Recorder(*v.f).DepositedThisMonth(), 5000);
    MenueDlg->Button_10_EuroClick(nullptr);
    EXPECT_EQ(Store(v).month, "2026-12");
    EXPECT_EQ(Store(v).monthDeposits, "60,00");
    EXPECT_EQ(v.Single("SELECT SUM(cents) FROM deposits WHERE month = " + std::to_string(2026 * 12 + 11)), 6000);
}

// Each way out closes the running game and the session: here the display lost, where the
// program ends without its windows being destroyed.
TEST(SessionEnd, EveryWayOutClosesTheGameAndTheSession) {
    Visit v;
    MenueDlg->Button_5_EuroClick(nullptr);
    v.NextReels(W::W1, W::W3, W::W5);
    v.Click(*v.f->StartBtn);
    v.Run(2000);  // the reels spin
    ASSERT_TRUE(v.f->KeepForNextStart());
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM sessions WHERE ended_at IS NULL"), 0);
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM games"), 1);
    EXPECT_EQ(v.Single("SELECT credit_before_cents FROM games"), 500);
    EXPECT_EQ(v.Single("SELECT credit_after_cents FROM games"), 480);
    PlayUntilOver(v);
    // A page shown again goes on in a session of its own.
    PlayManualGame(v, W::W1, W::W3, W::W5);
    v.Stop();
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM sessions"), 2);
    EXPECT_EQ(v.Single("SELECT COUNT(*) FROM sessions WHERE ended_at IS NULL"), 0);
}

}  // namespace
