#pragma once
// The runtime's random generator: a 32-bit linear congruential generator with the
// classic Random(n) = (seed * n) >> 32. Tests may script the next draws.
#include <cstdint>
#include <deque>

class RandomGenerator {
public:
    void Seed(std::uint32_t s) { seed_ = s; }
    // A uniform integer in 0 .. n-1 (0 when n <= 0).
    int Next(int n);
    // The next draws return these values (each must be below the n of its draw).
    void Script(std::initializer_list<int> values) { scripted_.insert(scripted_.end(), values); }
    void ClearScript() { scripted_.clear(); }

private:
    std::uint32_t seed_ = 0;
    std::deque<int> scripted_;
};

// Seeds the application's generator from its clock.
void Randomize();
int Random(int n);
