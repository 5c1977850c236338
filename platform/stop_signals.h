// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals that ask a program to end in order: SIGTERM (logout, shutdown, kill),
// SIGHUP (the terminal or session went away) and SIGINT (Ctrl+C). Caught, each only
// leaves a note that the loop reads, so the program ends the way a closed window ends it.

// Installs the handlers. Called before SDL starts, which then leaves them in place.
void WatchStopSignals();

// The signal that arrived since the last call, or 0; each arrival is told once.
int TakeStopSignal();
