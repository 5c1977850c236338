// SPDX-License-Identifier: GPL-3.0-or-later
// Tones, the coin sound and the clock measurement.
#include <filesystem>
#include <stdexcept>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "platform/cpu_clock.h"
#include "platform/tone.h"
#include "toolkit/application.h"

void TForm1::PiepsePCLautsprecher(int frequenz, int dauer) {
    // Before the menu exists there is no switch to read, and the program stays silent.
    if (!SpeakerSwitchedOn()) return;
    // Blocks like a beep: nothing is dispatched while the tone sounds, and the wait runs
    // on the application's clock.
    StartTone(frequenz, dauer);
    Application->Sleep(dauer);
}

double TForm1::GetCPUSpeed() {
    return ::GetCPUSpeed(Services.cpuClock);
}

// The coin sound lies in the working folder, or in an installed program's data folder.
// A missing file stays silent. A file that is no wave sound goes to the application's
// error display once a run, from the loop: the coin that rang is booked all the same.
void TForm1::PlayCoinSound() {
    const std::filesystem::path folder =
        Program.DataPath.empty() ? std::filesystem::current_path() : std::filesystem::path(Program.DataPath);
    MediaPlayer1->FileName = (folder / "Muenze.WAV").string();
    const Outcome result = MediaPlayer1->Play();
    if (result.ok || result.Missing() || Program.CoinSoundFailureShown) return;
    Program.CoinSoundFailureShown = true;
    Application->QueueCall([error = result.reason] { Application->ShowException(std::runtime_error(error)); });
}
