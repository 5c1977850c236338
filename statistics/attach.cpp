// SPDX-License-Identifier: GPL-3.0-or-later
// The play history joins the program: its recorder listens to the main window, and its
// window opens from a button of its own in the menu and with F2 on the main window.
#include "statistics/attach.h"

#include "machine/window_parts.h"
#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/play_events.h"
#include "statistics/history_file.h"
#include "statistics/play_recorder.h"
#include "statistics/statistics_window.h"
#include "toolkit/application.h"

namespace {

// Below the debt line, left of the separator, where no other control stands.
constexpr Place kMenuButton = {6, 380, 121, 37};

// Made at its first showing; the application owns it.
void ShowStatistics(PlayRecorder& recorder, StatisticsWindow*& window) {
    if (!window) window = new StatisticsWindow(Application, recorder);
    window->ShowFigures();
}

}  // namespace

void AttachPlayHistory(TForm1& main, TMenueDlg& menu) {
    const bool installed = !main.Program.DataPath.empty();
    auto recorder = std::make_unique<PlayRecorder>(
        main, main.Services.keepPlayHistory ? HistoryFile(installed, main.Program.IniDateiName) : std::filesystem::path());
    PlayRecorder& r = *recorder;
    main.Play = std::move(recorder);
    auto window = std::make_shared<StatisticsWindow*>(nullptr);

    // A flat button like the risk switch and the payout: it takes no focus, so the menu's tab
    // order stays as it is.
    auto* button = MakeControl<TSpeedButton>(menu, "StatistikBtn", kMenuButton);
    button->SetFont(BoldFont());
    button->SetCaption("Statistik");
    button->SetHint("Zeigt die Spielstatistik und den Spielerschutz (F2)");
    button->OnClick = [&main, &r, window](TObject*) {
        main.Gate.Run(Input::Statistics, [&] { ShowStatistics(r, *window); });
    };

    TKeyEvent previous = main.OnKeyDown;
    main.OnKeyDown = [&main, &r, window, previous](TObject* sender, Word& key, TShiftState shift) {
        if (key != VK_F2) {
            if (previous) previous(sender, key, shift);
            return;
        }
        key = 0;
        main.Gate.Run(Input::F2, [&] { ShowStatistics(r, *window); });
    };
}
