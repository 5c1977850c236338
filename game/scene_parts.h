// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene's components as the game names them: reels, ladder steps, stop buttons.
#include "game/combination_table.h"
#include "machine/ladder_parts.h"
#include "machine/reel_pictures.h"
#include "machine/form1.h"
#include "machine/scene_pictures.h"

// The reel's window in the scene and the picture component of a reel picture.
TImage& ReelImage(TForm1& f, Reel reel);
TImage& ReelPicture(TForm1& f, Walzenbild picture);

// A ladder step (0 is the 00 step) lit or unlit.
void ShowStepLit(TForm1& f, Ladder ladder, int step);
void ShowStepNormal(TForm1& f, Ladder ladder, int step);


// The level a ladder stands on (1..6), or 0 for none.
int LadderLevel(const GameState& g, Ladder ladder);
void SetLadderLevel(GameState& g, Ladder ladder, int step);  // 0 clears every level

TBitBtn& StopButton(TForm1& f, Ladder ladder);
