// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the statistics window's figures: what each is called, how a set of figures
// shows it, and the exact value beside it where the help computes one.
#include <string>
#include <vector>

#include "statistics/play_figures.h"

struct FigureRow {
    std::string caption;
    std::string (*text)(const PlayFigures&);
    std::string exact;  // empty where there is none
};

const std::vector<FigureRow>& FigureRows();

// "43,12 %", or "–" before the first game.
std::string MeasuredReturn(const PlayFigures& f);
std::string WinningShare(const PlayFigures& f);
// "3 (5)": started by the reels, and reached with the climbs.
std::string LevelCount(const PlayFigures& f, int slot);
