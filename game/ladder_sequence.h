// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sequences of a win ladder (a phase, a stop) and the end of a ladder. A sequence belongs
// to the ladder that ran when it began: what it does after its pauses concerns that ladder
// only, and the stop clicks of a later ladder never wait for it.
#include "machine/form1.h"

// A winning evaluation starts a new ladder, whose reel win is still to be credited.
void BeginNewLadder(GameState& g);

// Begins a sequence of the current ladder and returns that ladder's number.
LadderRun BeginLadderSequence(GameState& g);
// Ends it; the outermost sequence of the current ladder lets the stop clicks that waited run.
void EndLadderSequence(TForm1& f, LadderRun run);
// True while the ladder `run` has not been replaced by a later one.
inline bool LadderStillCurrent(const GameState& g, LadderRun run) { return g.LadderNumber == run; }

// The stop button of a ladder pressed, by the player or by the machine's own catch.
void PressLadderStop(TForm1& f, Ladder ladder);

// The ladder `run` is over: so is the game, unless reels of a later game turn or a later
// ladder runs; the autostart step follows.
void LadderOver(TForm1& f, LadderRun run);
