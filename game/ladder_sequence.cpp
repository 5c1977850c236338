#include "game/ladder_sequence.h"

#include <utility>

void BeginNewLadder(GameState& g) {
    ++g.LeiterNummer;
    g.LeiterSequenzen = 0;
    g.StoppWartet.fill(false);
    g.WalzengewinnGutgeschrieben = false;
}

int BeginLadderSequence(GameState& g) {
    ++g.LeiterSequenzen;
    return g.LeiterNummer;
}

void EndLadderSequence(TForm1& f, int leiter) {
    GameState& g = f.Game;
    if (!LadderStillCurrent(g, leiter) || --g.LeiterSequenzen > 0) return;
    if (std::exchange(g.StoppWartet[0], false)) f.StopBtn1Click(nullptr);
    if (std::exchange(g.StoppWartet[1], false)) f.StopBtn2Click(nullptr);
}

void LadderOver(TForm1& f, int leiter) {
    GameState& g = f.Game;
    if (LadderStillCurrent(g, leiter)) {
        g.WalzengewinnGutgeschrieben = false;
        if (!g.WalzenLaufen) g.SpielLaeuft = false;
    }
    f.AutoStartAnfordern();
}
