// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program played for the statistics: its recorder, games played to their end,
// and a look into the history file it wrote.
#include <gtest/gtest.h>

#include <filesystem>

#include "statistics/history_file.h"
#include "statistics/play_recorder.h"
#include "statistics/statistics_window.h"
#include "tests/game/played_game.h"

inline PlayRecorder& Recorder(TForm1& f) { return dynamic_cast<PlayRecorder&>(*f.Play); }

// Plays on until the game and its ladder are over and the start button asks for the next.
inline void PlayUntilOver(PlayedGame& g) {
    TForm1& f = *g.f;
    for (int waited = 0; waited < 180000; waited += 250) {
        g.Run(250);
        const bool ladder = f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled();
        if (!f.Game.SpielLaeuft && !f.Game.MitteNochmalMoeglich && !ladder && g.GlyphIs(*f.StartBtn, *f.StartAktImage))
            return;
    }
    ADD_FAILURE() << "the game did not end";
}

// A manual game on these reels, played to its end.
inline void PlayManualGame(PlayedGame& g, Walzenbild l, Walzenbild m, Walzenbild r) {
    g.NextReels(l, m, r);
    g.Click(*g.f->StartBtn);
    PlayUntilOver(g);
}

// The player is known and deposits without being asked for the name.
inline void KnownPlayer(TForm1& f) {
    f.Program.SpielerName = "Max";
    f.Game.ErsterMenueAufruf = false;
}

// The statistics window while it shows, else null.
inline StatisticsWindow* OpenStatisticsWindow() {
    for (TForm* form : Application->Forms())
        if (auto* w = dynamic_cast<StatisticsWindow*>(form); w && w->IsShown()) return w;
    return nullptr;
}

inline std::filesystem::path HistoryIn(const StartedProgram& p) { return p.folder / kHistoryFileName; }
