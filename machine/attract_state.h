// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the attract mode's show stands. It runs step by step on a timer of its own, so the
// rest of the program never waits inside it and it goes on while other sequences wait.
#include <cstddef>
#include <functional>
#include <vector>

class TTimer;

struct AttractState {
    struct Step {
        std::function<bool()> Run;  // false ends this part of the show
        int WaitMs = 0;             // before the next step
    };
    TTimer* StepTimer = nullptr;  // created with the first show, owned by the window
    std::vector<Step> Pass;       // the steps of the current pass
    std::size_t Next = 0;
};
