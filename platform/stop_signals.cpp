// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stop_signals.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t arrived = 0;

void Note(int signal) { arrived = signal; }

}  // namespace

void WatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // Without SA_RESTART a wait in progress returns, and the loop sees the note at once.
    action.sa_flags = 0;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

int TakeStopSignal() {
    const int signal = arrived;
    if (signal != 0) arrived = 0;
    return signal;
}
