// SPDX-License-Identifier: GPL-3.0-or-later
// The program asked to end while a sequence runs: the desktop closes the main window, or a
// stop signal arrives (the real backend turns SIGTERM, SIGHUP and SIGINT into the quit
// request posted here). Whatever runs, the program ends at once, and the end of the
// program keeps the player's name and the cash box.
#include <gtest/gtest.h>
#include <unistd.h>

#include "machine/settings_store.h"
#include "tests/game/played_game.h"

namespace {

using W = Walzenbild;

enum class Moment { Spin, Ladder, RiskGame, Tones, Deposit, Payout, AttractShow, MessageBox };
enum class Request { Close, Signal };

// A sequence that waits for ever would hang the test: the alarm ends it as a failure.
struct Watchdog {
    Watchdog() { alarm(60); }
    ~Watchdog() { alarm(0); }
};

class WayOut : public ::testing::TestWithParam<std::tuple<Moment, Request>> {
protected:
    Moment moment() const { return std::get<0>(GetParam()); }
    InputEvent RequestEvent() const {
        return InputEvent::Of(std::get<1>(GetParam()) == Request::Close ? InputEvent::CloseRequest : InputEvent::Quit,
                              f.Window());
    }
    // Max with 200 euros in the machine's cash box.
    void Player() {
        f.Program.SpielerName = "Max";
        f.Game.ErsterMenueAufruf = false;
        SetCashBox(f.Money, "200");
    }
    void Game(W l, W m, W r, bool risk) {
        f.Game.RisikospielEin = risk;
        g.SetCredit("1,00");
        g.NextReels(l, m, r);
        g.Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
        g.StartPlay();
        g.Click(*f.StartBtn);
    }
    // The request at `ms` from the start of play, once `running` holds.
    void RequestAt(int ms, std::function<bool()> running) {
        g.At(ms, [this, running] {
            EXPECT_TRUE(running());
            AskToEnd();
        });
    }
    void AskToEnd() {
        requestedAt = g.h().NowMs();
        g.h().Backend().Post(RequestEvent());
    }

    Watchdog watchdog;
    PlayedGame g{false, true};
    TForm1& f = *g.f;
    std::int64_t requestedAt = -1;
};

TEST_P(WayOut, EndsAtOnceAndKeepsNameAndCashBox) {
    Player();
    std::string cashBox = "200 00";
    std::int64_t lateMs = 0;  // a tone is not cut short
    switch (moment()) {
        case Moment::Spin:
            Game(W::W3, W::W8, W::W1, false);
            RequestAt(1000, [&] { return f.Game.SpielLaeuft; });
            break;
        case Moment::Ladder:
            // Unanswered, the ladder runs on after the game's end, and the next game waits for it.
            MenueDlg->PC_LautsprHoeren->SetChecked(false);
            Game(W::W7, W::W7, W::W7, false);
            RequestAt(19000, [&] { return f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled(); });
            break;
        case Moment::RiskGame:
            Game(W::W12, W::W12, W::W12, true);
            g.Rng().Script({0, 21});
            RequestAt(13500, [&] { return f.Game.RisikoLaeuft; });
            break;
        case Moment::Tones:
            // The win's label shows, 500 ms later three tones of 200 ms sound: the request
            // comes 100 ms into them and is seen when they end.
            Game(W::W8, W::W8, W::W8, false);
            g.Whenever([&] { return f.LabelBetrag->Visible() && requestedAt < 0; }, [&] {
                requestedAt = g.h().NowMs() + 600;
                g.h().Backend().Post(RequestEvent(), requestedAt * 1000);
            });
            lateMs = 500;
            break;
        case Moment::Deposit:
            g.SetCredit("0,00");
            g.Click(*f.MenueBtn);
            g.At(100, [&] { g.Click(*MenueDlg->Button_2_Euro); });
            RequestAt(800, [&] { return f.Schein->Visible(); });
            break;
        case Moment::Payout:
            g.SetCredit("25,00");
            g.Click(*f.MenueBtn);
            g.At(100, [&] { g.Click(*MenueDlg->ButtonGibsGeldHer); });
            g.At(1150, [&] { g.Key(VK_RETURN); });  // the Guthaben message
            RequestAt(1700, [&] { return f.AuszahlungsImage->Visible(); });
            cashBox = "175 00";
            break;
        case Moment::AttractShow:
            RequestAt(6900, [&] { return f.Program.RuhePhaseAktiv && f.AuszahlungsImage->Visible(); });
            break;
        case Moment::MessageBox:
            g.Key(VK_ESCAPE, 100);
            RequestAt(200, [&] { return f.Game.ProgrammBeenden && g.h().MessageBoxes().size() == 1; });
            break;
    }
    g.Run(30000);
    ASSERT_TRUE(g.h().App().Terminated());
    EXPECT_EQ(g.h().ExitCode(), 0);
    EXPECT_EQ(g.h().NowMs() - requestedAt, lateMs);
    g.Stop();
    EXPECT_EQ(g.Ini("SpielerName"), "Max");
    EXPECT_EQ(g.Registry(settings::kCashBoxKey.data(), settings::kCashBoxValue.data()), cashBox);
}

INSTANTIATE_TEST_SUITE_P(EveryMoment, WayOut,
                         ::testing::Combine(::testing::Values(Moment::Spin, Moment::Ladder, Moment::RiskGame,
                                                              Moment::Tones, Moment::Deposit, Moment::Payout,
                                                              Moment::AttractShow, Moment::MessageBox),
                                            ::testing::Values(Request::Close, Request::Signal)));

}  // namespace
