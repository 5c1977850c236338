// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/machpause.h"

#include "toolkit/application.h"

TMachPause::TMachPause(TComponent* owner) : TComponent(owner) {
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
}

TMachPause::~TMachPause() { FTimer = nullptr; }

int TMachPause::Interval() const { return FTimer ? FTimer->Interval() : 0; }

void TMachPause::SetInterval(int ms) {
    if (FTimer) FTimer->SetInterval(ms);
}

void TMachPause::Pause(int milliseconds) {
    if (!FTimer) return;
    // A pause that is not positive would never tick: it returns at once.
    if (milliseconds <= 0) return;
    if (milliseconds != FTimer->Interval()) FTimer->SetInterval(milliseconds);
    Execute();
}

void TMachPause::Execute() {
    if (!FTimer) return;
    FAbgelaufen = false;
    FTimer->OnTimer = [this](TObject* sender) { TimerTick(sender); };
    // Enabling an already running timer keeps its countdown: a nested pause of the same
    // length ends when the outer one would have.
    FTimer->SetEnabled(true);
    // Wait in the loop rather than polling it: the thread sleeps until something is due.
    while (!FAbgelaufen && !Application->Terminated()) Application->HandleMessage();
    FTimer->SetEnabled(false);
}

void TMachPause::TimerTick(TObject*) { FAbgelaufen = true; }
