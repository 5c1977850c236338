// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics window ("Statistik"): this play session beside all of them, each ladder
// level beside its exact chance, the measured return beside the exact ones, two charts of
// the net result, and the player's protections. The exact return and the top win's chance
// stand at its top at all times.
#include <array>
#include <string>
#include <vector>

#include "statistics/play_figures.h"
#include "statistics/play_recorder.h"
#include "toolkit/buttons.h"
#include "toolkit/checkbox.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"

inline constexpr int kChartDays = 30;

class StatisticsWindow : public TForm {
public:
    StatisticsWindow(TComponent* owner, PlayRecorder& recorder);

    // Shows the figures as they are now, modal; play behind it goes on.
    void ShowFigures();
    // Reads the figures again into every control.
    void Refresh();

    TLabel *ReturnLabel, *TopWinLabel, *HistoryLabel, *MonthLabel, *MinutesLabel;
    TImage *SessionChart, *DaysChart, *LastGamesList;
    TCheckBox *ReminderBox, *LimitBox;
    TEdit *ReminderEdit, *LimitEdit;
    TButton *ApplyBtn, *CloseBtn, *LastGamesBtn;

    // One row of the figures: its caption and a cell each for the session, all, exact.
    struct Row {
        TLabel *session, *all, *exact;
    };
    std::vector<Row> Figures;
    // Per ladder level: the exact chance, the session's and all sessions' counts.
    std::array<Row, kLevelSlots> Levels{};

private:
    void CreateFigureTable();
    void CreateLevelTable();
    void CreateCharts();
    void CreateProtection();
    void CreateLastGames();
    void ShowLastGames(bool shown);
    void FillFigures(const PlayFigures& session, const PlayFigures* all);
    void FillProtection();
    // Takes the protections as typed; false (and a German message) when they are not valid.
    bool ApplyProtection();

    PlayRecorder& recorder_;
    // The protections as the controls were filled: a change is only what differs from them.
    struct Shown {
        bool reminder, limit;
        std::string minutes, limitText;
    } shown_{};
};
