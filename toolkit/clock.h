// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's time source. Real time for the program, virtual time for tests:
// under the virtual clock, waiting for a due time simply jumps the clock there.
#include <chrono>
#include <cstdint>
#include <thread>

class Clock {
public:
    virtual ~Clock() = default;
    // Microseconds since an arbitrary start.
    virtual std::int64_t NowUs() const = 0;
    std::int64_t NowMs() const { return NowUs() / 1000; }
    // Blocks the thread for us microseconds of this clock's time.
    virtual void Sleep(std::int64_t us) = 0;
};

class RealClock : public Clock {
public:
    std::int64_t NowUs() const override {
        using namespace std::chrono;
        return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void Sleep(std::int64_t us) override {
        if (us > 0) std::this_thread::sleep_for(std::chrono::microseconds(us));
    }
};

class VirtualClock : public Clock {
public:
    std::int64_t NowUs() const override { return now_; }
    void AdvanceTo(std::int64_t us) {
        if (us > now_) now_ = us;
    }
    void AdvanceBy(std::int64_t us) { AdvanceTo(now_ + us); }
    void Sleep(std::int64_t us) override { AdvanceBy(us); }

private:
    std::int64_t now_ = 0;
};
