#include "toolkit/random.h"

#include <stdexcept>
#include <string>

#include "toolkit/application.h"

int RandomGenerator::Next(int n) {
    if (!scripted_.empty()) {
        int v = scripted_.front();
        scripted_.pop_front();
        if (v < 0 || v >= n)
            throw std::logic_error("scripted random value " + std::to_string(v) + " not below " +
                                   std::to_string(n));
        return v;
    }
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
}

void Randomize() {
    Application->Rng().Seed(static_cast<std::uint32_t>(Application->GetClock().NowUs() / 1000));
}

int Random(int n) { return Application->Rng().Next(n); }
