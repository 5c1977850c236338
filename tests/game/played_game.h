// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program, played as a player plays it: clicks and keys at virtual times,
// scripted reel stops, and a look at what the scene shows.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "game/reel_positions.h"
#include "game/scene_parts.h"
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "tests/machine/display_text.h"
#include "tests/machine/started_program.h"
#include "toolkit/application.h"
#include "toolkit/random.h"

// The first reel position that shows a picture; it lies on every reel's part of the strip.
constexpr int PositionOf(Walzenbild picture) {
    int position = 0;
    while (kReelStrip[static_cast<std::size_t>(position)] != picture) ++position;
    return position;
}
static_assert([] {
    for (Walzenbild p : kAllWalzenbilder)
        if (PositionOf(p) >= kMiddleReelPositionCount) return false;
    return true;
}());

// Draws that accept a ladder interval at once: one for the 00 phase, one for the win phase.
constexpr int kZeroPhaseDraw = 150, kWinPhaseDraw = 130;

class PlayedGame : public StartedProgram {
public:
    explicit PlayedGame(bool autostart = false, bool speaker = false) {
        Start();
        f = Form1;
        MenueDlg->AutoStartCheckBox->SetChecked(autostart);
        MenueDlg->PC_LautsprHoeren->SetChecked(speaker);
        h().RunFor(100);  // the first paint
    }

    HeadlessHarness& h() { return *harness; }
    RandomGenerator& Rng() { return h().App().Rng(); }

    void SetCredit(const char* euro) {
        ::SetCredit(f->Money, euro);
        f->DrawCredit();
    }
    // The next spin stops on these pictures; the ladder intervals drawn after it are fixed.
    void NextReels(Walzenbild left, Walzenbild middle, Walzenbild right) {
        Rng().Script({PositionOf(left), PositionOf(right), PositionOf(middle)});
    }
    // A manual game of 1,00 euro, the risk game on or off, whose reels stop on these pictures.
    void PrepareGame(Walzenbild l, Walzenbild m, Walzenbild r, bool risk = false) {
        f->Game.RisikospielEin = risk;
        SetCredit("1,00");
        NextReels(l, m, r);
    }
    // From now on every ladder phase draws its interval at once (00 phase 150 ms, win phase
    // 130 ms), whatever else draws between.
    void SteadyLadders() {
        Rng().ScriptFor(200, kZeroPhaseDraw, 1000);
        Rng().ScriptFor(150, kWinPhaseDraw, 1000);
    }
    // The 17th 00 phase never stops a ladder by itself.
    void NoAutomaticCatch() { Rng().ScriptFor(6, 3, 100); }
    void Click(TControl& c, int delayMs = 0) { h().ClickControl(c, delayMs); }
    void Key(Word key, int delayMs = 0) { h().Key(key, delayMs); }
    // Runs `fn` from the loop `ms` from now, inside whatever sequence is waiting then: a
    // sequence's pauses are nested loops that a test cannot step out of.
    void At(int ms, std::function<void()> fn) {
        auto* t = new TTimer(&h().App());
        t->SetInterval(ms);
        ++scheduled_;
        t->OnTimer = [this, t, fn](TObject*) {
            t->SetEnabled(false);
            ++ran_;
            fn();
        };
    }
    ~PlayedGame() {
        if (ran_ != scheduled_) ADD_FAILURE() << scheduled_ - ran_ << " scheduled checks never ran";
    }
    // Plays on for at least `ms`; a sequence that is waiting then finishes first, so what
    // must hold at a moment is checked with At.
    void Run(int ms) {
        h().RunFor(ms);
        EXPECT_FALSE(h().Stuck()) << "a box or window was left waiting";
    }
    // Every message box is answered with Enter `afterMs` after it shows, as a player would;
    // `seen` hears each one first.
    void AnswerEveryBox(int afterMs, std::function<void(const std::string&)> seen = nullptr) {
        h().App().OnMessageBox = [this, afterMs, seen, own = h().App().OnMessageBox](const std::string& caption,
                                                                                    const std::string& text) {
            own(caption, text);
            if (seen) seen(text);
            Key(VK_RETURN, afterMs);
        };
    }
    // A player's eye: every 5 ms, `act` runs once each time `seen` turns true.
    void Whenever(std::function<bool()> seen, std::function<void()> act) {
        auto* t = new TTimer(&h().App());
        t->SetInterval(5);
        t->OnTimer = [seen, act, was = false](TObject*) mutable {
            const bool now = seen();
            if (now && !was) act();
            was = now;
        };
    }
    // Virtual milliseconds since the test's start of play.
    std::int64_t Now() const { return harness->NowMs() - start_; }
    void StartPlay() { start_ = harness->NowMs(); }

    bool Shows(const TImage& image, const TImage& source) const {
        return image.Picture().Bitmap().Pixels() == source.Picture().Bitmap().Pixels();
    }
    bool ReelsShow(Walzenbild l, Walzenbild m, Walzenbild r) const;
    bool GlyphIs(TBitBtn& button, const TImage& source) const {
        return button.Glyph().Pixels() == source.Picture().Bitmap().Pixels();
    }
    static bool DisplayShows(TImage& display, int x, int y, const std::string& text, int blanks) {
        return ::DisplayShows(display, x, y, text, blanks);
    }
    bool CreditShows(const std::string& text) {
        return DisplayShows(*f->SpielGeldSpeicherAnzeige, f->Program.SpielgeldTextX, f->Program.SpielgeldTextY, text, 16);
    }
    bool SpecialGamesShow(const std::string& text) {
        return DisplayShows(*f->SonderSpieleAnzeige, f->Game.SonderspieleTextX, f->Game.SonderspieleTextY, text, 8);
    }
    std::string Credit() const { return f->Money.Spielgeld().ToFixed(2); }
    std::string SpecialGames() const { return f->Money.SonderspieleAnzahl().ToFixed(0); }
    bool Lit(TImage& step, const TImage& lit) const { return Shows(step, lit); }

    TForm1* f = nullptr;

private:
    int scheduled_ = 0, ran_ = 0;
    std::int64_t start_ = 0;
};

// A manual game started at once with 1,00 euro, whose reels stop on the given pictures; the
// ladder phases draw their intervals at once, the first two from the script that further
// draws of a test follow. A win is evaluated at 9800 ms and credited from 10400 ms.
struct OneGame : PlayedGame {
    OneGame(Walzenbild l, Walzenbild m, Walzenbild r, bool risk = false, bool speaker = false)
        : PlayedGame(false, speaker) {
        PrepareGame(l, m, r, risk);
        Rng().Script({kZeroPhaseDraw, kWinPhaseDraw});
        SteadyLadders();
        StartPlay();
        Click(*f->StartBtn);
    }
    bool LitLeft(int step) { return f->Game.StufeLeuchtet[step - 1]; }
};

inline bool PlayedGame::ReelsShow(Walzenbild l, Walzenbild m, Walzenbild r) const {
    TForm1& w = *f;
    return Shows(*w.Walze_links1, ReelPicture(w, l)) && Shows(*w.Walze_mitte1, ReelPicture(w, m)) &&
           Shows(*w.Walze_rechts1, ReelPicture(w, r));
}
