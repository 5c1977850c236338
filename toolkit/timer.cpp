// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/timer.h"

#include "toolkit/application.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    Application->AddTimer(this);
    Restart();
}

TTimer::~TTimer() {
    if (Application) Application->RemoveTimer(this);
}

void TTimer::Restart() { due_ = Application->GetClock().NowUs() + static_cast<std::int64_t>(interval_) * 1000; }

void TTimer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Restart();
}

void TTimer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) Restart();
}

bool TTimer::Fire(std::int64_t nowUs, unsigned round) {
    if (!Armed() || nowUs < due_ || round == lastRound_) return false;
    lastRound_ = round;
    const std::int64_t step = static_cast<std::int64_t>(interval_) * 1000;
    due_ += step;
    if (due_ <= nowUs) due_ = nowUs + step;  // missed ticks collapse into this one
    OnTimer(this);
    return true;
}
