// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/random.h"

#include <stdexcept>
#include <string>

#include "toolkit/application.h"

std::optional<int> RandomGenerator::TakeScripted(int n) {
    std::deque<int>* queue = &scripted_;
    if (queue->empty()) {
        auto forBound = scriptedFor_.find(n);
        if (forBound == scriptedFor_.end() || forBound->second.empty()) return std::nullopt;
        queue = &forBound->second;
    }
    const int v = queue->front();
    queue->pop_front();
    if (v < 0 || v >= n)
        throw std::logic_error("scripted random value " + std::to_string(v) + " not below " + std::to_string(n));
    return v;
}

int RandomGenerator::Next(int n) {
    if (const std::optional<int> v = TakeScripted(n)) return *v;
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
}

// The clock's microseconds, mixed: games that start at evenly spaced times (the autostart
// chain, and every test in virtual time) must not get evenly spaced seeds, whose first
// draws would follow each other in lock step.
void Randomize() {
    std::uint64_t z = static_cast<std::uint64_t>(Application->GetClock().NowUs()) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    Application->Rng().Seed(static_cast<std::uint32_t>(z ^ (z >> 31)));
}

int Random(int n) { return Application->Rng().Next(n); }
