// SPDX-License-Identifier: GPL-3.0-or-later
// Manual games in virtual time, each started by the start button pressed during the last
// game's re-spin offer (the middle reel spins again, then the next game is paid and spun at
// once): how deep the handlers nest at each game's start, and how long the chain takes.
// Usage: game_respin_chain [games]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tests/machine/started_program.h"
#include "machine/form1.h"
#include "machine/menue_dlg.h"

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    StartedProgram program;
    program.StartAutomatic();
    HeadlessHarness& h = *program.harness;
    TForm1& f = program.PrepareAutomaticPlay(1000000, false);
    MenueDlg->AutoStartCheckBox->SetChecked(false);

    // The player's eye, every 100 ms: a click on start as the offer opens. A chain that broke
    // anyway (no game for 30 s) is started again by hand and counted.
    int started = 0, firstDepth = 0, deepest = 0, breaks = 0;
    bool spinning = false, offered = false;
    std::int64_t lastStart = h.NowMs();
    auto* eye = new TTimer(&h.App());
    eye->SetInterval(100);
    eye->OnTimer = [&](TObject*) {
        if (f.Timer1->Enabled() && !spinning) {
            const int depth = h.App().HandlerDepth();
            if (++started == 1) firstDepth = depth;
            deepest = std::max(deepest, depth);
            lastStart = h.NowMs();
        }
        spinning = f.Timer1->Enabled();
        if (f.Game.MitteNochmalMoeglich && !offered) h.ClickControl(*f.StartBtn);
        offered = f.Game.MitteNochmalMoeglich;
        if (h.NowMs() - lastStart > 30000) {
            ++breaks;
            lastStart = h.NowMs();
            h.ClickControl(*f.StartBtn);
        }
        if (started >= games) h.App().Terminate();
    };

    const auto t0 = std::chrono::steady_clock::now();
    h.ClickControl(*f.StartBtn);
    while (!h.App().Terminated() && h.RunFor(60000)) {
    }
    for (const auto& [caption, text] : h.MessageBoxes()) std::printf("box: %s\n", text.c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::printf("manual re-spin chain: %d games in %.2f s wall, %.0f s virtual\n", started, seconds,
                h.NowMs() / 1000.0);
    std::printf("handler nesting at a game's start: first %d, deepest %d\n", firstDepth, deepest);
    std::printf("chain broken and started again: %d times\n", breaks);
    return 0;
}
