// Tones, the coin sound and the clock measurement.
#include <filesystem>
#include <stdexcept>

#include "platform/cpu_clock.h"
#include "platform/tone.h"
#include "platform/wave_playback.h"
#include "shell/form1.h"
#include "shell/menue_dlg.h"

namespace {

// The menu's speaker box, read afresh for every tone. Before the menu exists there is
// no box to read, and the program stays silent.
bool SpeakerSwitchedOn() {
    return MenueDlg != nullptr && MenueDlg->PC_LautsprHoeren->Checked();
}

}  // namespace

void TForm1::PiepsePCLautsprecher(int frequenz, int dauer) {
    if (!SpeakerSwitchedOn()) return;
    PlayTone(frequenz, dauer);
}

double TForm1::GetCPUSpeed() {
    return ::GetCPUSpeed(Services.cpuClock);
}

// A missing file stays silent; a file that is no wave sound raises its error, which the
// application's error display shows while the game goes on.
void TForm1::MuenzGeraeuschAbspielen() {
    MediaPlayer1->FileName = (std::filesystem::current_path() / "Muenze.WAV").string();
    const WaveResult result = PlayWaveAsync(MediaPlayer1->FileName);
    if (result.status == WaveStatus::Damaged) throw std::runtime_error(result.error);
}
