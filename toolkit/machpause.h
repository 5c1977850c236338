// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The blocking pause every animation waits in: it dispatches the application's
// messages until its timer ticks. All callers share one instance, and so one flag:
// a pause begun while another waits ends both.
#include "toolkit/component.h"
#include "toolkit/timer.h"

class TMachPause : public TComponent {
public:
    explicit TMachPause(TComponent* owner);
    ~TMachPause() override;

    void Pause(int milliseconds);
    void Execute();
    int Interval() const;
    void SetInterval(int ms);

private:
    void TimerTick(TObject* sender);

    TTimer* FTimer = nullptr;
    bool FAbgelaufen = false;
};
