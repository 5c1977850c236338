// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A timer like the Win32 one: a due timer fires once when the loop dispatches, missed
// ticks collapse into one, and enabling it or changing its interval restarts the count.
#include <cstdint>

#include "toolkit/component.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    TNotifyEvent OnTimer;

    // Used by the application's loop.
    bool Armed() const { return enabled_ && interval_ > 0 && OnTimer != nullptr; }
    std::int64_t DueUs() const { return due_; }
    bool Fire(std::int64_t nowUs, unsigned round);

private:
    void Restart();

    int interval_ = 1000;
    bool enabled_ = true;
    std::int64_t due_ = 0;
    unsigned lastRound_ = 0;
};
