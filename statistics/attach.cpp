// SPDX-License-Identifier: GPL-3.0-or-later
// The play history joins the program: its recorder listens to the main window, and opens
// the window "Statistik" when the main window or the menu asks for it.
#include "statistics/attach.h"

#include "machine/form1.h"
#include "statistics/history_file.h"
#include "statistics/play_recorder.h"
#include "statistics/statistics_window.h"
#include "toolkit/application.h"

void AttachPlayHistory(TForm1& main) {
    const bool installed = !main.Program.DataPath.empty();
    main.Play = std::make_unique<PlayRecorder>(
        main, main.Services.keepPlayHistory ? HistoryFile(installed, main.Program.IniDateiName) : std::filesystem::path());
}

// Made at its first showing; the application owns it.
void PlayRecorder::ShowStatistics() {
    if (!window_) window_ = new StatisticsWindow(Application, *this);
    window_->ShowFigures();
}
