// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runtime's random generator: a 32-bit linear congruential generator with the
// classic Random(n) = (seed * n) >> 32. Tests may script the next draws.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>

class RandomGenerator {
public:
    void Seed(std::uint32_t s) { seed_ = s; }
    // A uniform integer in 0 .. n-1 (0 when n <= 0).
    int Next(int n);
    // The next draws return these values (each must be below the n of its draw).
    void Script(std::initializer_list<int> values) { scripted_.insert(scripted_.end(), values); }
    // The next draws of n = `bound` return `value`, `times` times over, whatever other draws
    // come between them. Draws scripted with Script come first.
    void ScriptFor(int bound, int value, int times = 1) {
        scriptedFor_[bound].insert(scriptedFor_[bound].end(), times, value);
    }

private:
    std::optional<int> TakeScripted(int n);

    std::uint32_t seed_ = 0;
    std::deque<int> scripted_;
    std::map<int, std::deque<int>> scriptedFor_;
};

// Seeds the application's generator from its clock.
void Randomize();
int Random(int n);
