// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/statistics_window.h"

#include "helpdoc/help_names.h"
#include "helpdoc/win_plan.h"
#include "machine/window_parts.h"
#include "statistics/exact_odds.h"
#include "statistics/figure_rows.h"
#include "statistics/last_games.h"
#include "statistics/money_text.h"
#include "statistics/net_chart.h"
#include "machine/form1.h"
#include "machine/reel_pictures.h"
#include "toolkit/dialogs.h"

namespace {

constexpr int kWidth = 760, kHeight = 600;
constexpr int kRowHeight = 16, kTableTop = 72;
constexpr int kFiguresLeft = 12, kCaptionWidth = 150, kNumberWidth = 88, kExactWidth = 118;
constexpr int kLevelsLeft = 470, kLevelCaptionWidth = 118, kLevelExactWidth = 58, kLevelNumberWidth = 50;
constexpr int kChartTop = 380, kChartWidth = 364, kChartHeight = 98;
constexpr int kListTop = kTableTop, kListHeight = kChartTop + kChartHeight - kTableTop;
const TColor kNoteColor = RGB(160, 0, 0);

TFont PlainFont(TColor color = clBlack) {
    TFont font = BoldFont(color);
    font.Style = 0;
    return font;
}

TLabel* Cell(TForm& form, int left, int top, int width, const std::string& text, const TFont& font,
             TAlignment alignment = TAlignment::taRightJustify) {
    return MakeFixedLabel(form, "", {left, top, width, kRowHeight - 2}, text, font, alignment);
}

TLabel* TextCell(TForm& form, int left, int top, int width, const std::string& text, bool bold = false) {
    return Cell(form, left, top, width, text, bold ? BoldFont() : PlainFont(), TAlignment::taLeftJustify);
}

TLabel* Note(TForm& form, const char* name, Place at, TColor color) {
    return MakeFixedLabel(form, name, at, "", BoldFont(color), TAlignment::taLeftJustify, true);
}

int RowTop(int row) { return kTableTop + kRowHeight * (row + 1); }

std::string FiguresNote() {
    const ExactOdds& o = Odds();
    return "Errechnet: was die Walzen und Leitern im Mittel bringen; " + o.returnLettingRun.PercentText(2) +
           ", wenn die Leitern laufen, " + o.returnCatchingAll.PercentText(2) +
           " ist die Obergrenze, wenn jede Stufe gefangen wird. Ein Sonderspiel zählt wie der Einsatz, den es spart: "
           "gewonnen als Gewinn, gespielt als Einsatz.";
}

std::string LevelsNote() {
    return "Zahl: so oft haben die Walzen die Stufe gestartet; in Klammern: so oft stand die Leiter auf ihr, auch "
           "durch Steigen. Chance: errechnet, je Spiel.";
}

}  // namespace

StatisticsWindow::StatisticsWindow(TComponent* owner, PlayRecorder& recorder)
    : TForm(owner), recorder_(recorder) {
    SetName("StatistikDlg");
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    FormStyle = TFormStyle::fsStayOnTop;
    SetCaption("Statistik");
    SetClientSize(kWidth, kHeight);
    ReturnLabel = Note(*this, "QuoteLabel", {12, 8, kWidth - 24, 30}, kNoteColor);
    ReturnLabel->SetCaption(ReturnLine());
    TopWinLabel = Note(*this, "HoechstgewinnLabel", {12, 40, kWidth - 24, 16}, kNoteColor);
    TopWinLabel->SetCaption(TopWinLine());
    MakeBevel(*this, "Bevel1", {8, 62, kWidth - 16, 4}, TBevelShape::bsTopLine, TBevelStyle::bsRaised);
    CreateFigureTable();
    CreateLevelTable();
    CreateCharts();
    CreateProtection();
    CreateLastGames();
}

void StatisticsWindow::CreateFigureTable() {
    const int session = kFiguresLeft + kCaptionWidth, all = session + kNumberWidth, exact = all + kNumberWidth;
    Cell(*this, session, kTableTop, kNumberWidth, "Diese Sitzung", BoldFont());
    Cell(*this, all, kTableTop, kNumberWidth, "Alle Sitzungen", BoldFont());
    Cell(*this, exact, kTableTop, kExactWidth, "errechnet", BoldFont());
    const std::vector<FigureRow>& rows = FigureRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = RowTop(static_cast<int>(i));
        TextCell(*this, kFiguresLeft, top, kCaptionWidth, rows[i].caption);
        Figures.push_back({Cell(*this, session, top, kNumberWidth, "", PlainFont()),
                           Cell(*this, all, top, kNumberWidth, "", PlainFont()),
                           Cell(*this, exact, top, kExactWidth, rows[i].exact, PlainFont())});
    }
    const int top = RowTop(static_cast<int>(rows.size()));
    TextCell(*this, kFiguresLeft, top, kCaptionWidth, "Spielzeit");
    Figures.push_back({Cell(*this, session, top, kNumberWidth, "", PlainFont()), nullptr, nullptr});
    Note(*this, "ZahlenHinweis", {kFiguresLeft, top + kRowHeight + 2, exact + kExactWidth - kFiguresLeft, 46}, clBlack)
        ->SetCaption(FiguresNote());
}

void StatisticsWindow::CreateLevelTable() {
    const int exact = kLevelsLeft + kLevelCaptionWidth, session = exact + kLevelExactWidth + 4,
              all = session + kLevelNumberWidth;
    TextCell(*this, kLevelsLeft, kTableTop, kLevelCaptionWidth, "Leiterstufe", true);
    Cell(*this, exact, kTableTop, kLevelExactWidth, "Chance", BoldFont());
    Cell(*this, session, kTableTop, kLevelNumberWidth, "Sitzung", BoldFont());
    Cell(*this, all, kTableTop, kLevelNumberWidth, "alle", BoldFont());
    for (Ladder ladder : {Ladder::Left, Ladder::Right}) {
        for (int step = 1; step <= kTopStep; ++step) {
            const int slot = LevelSlot(ladder, step), top = RowTop(slot);
            TextCell(*this, kLevelsLeft, top, kLevelCaptionWidth,
                    std::string(PartsOfLadder(ladder).side) + " " + LevelText(ladder, step));
            const Fraction chance = LevelChance(ladder, step);
            Levels[static_cast<std::size_t>(slot)] = {
                Cell(*this, session, top, kLevelNumberWidth, "", PlainFont()),
                Cell(*this, all, top, kLevelNumberWidth, "", PlainFont()),
                Cell(*this, exact, top, kLevelExactWidth,
                     chance == Fraction(0) ? "–" : chance.PercentText(chance < Fraction(1, 100) ? 3 : 2), PlainFont())};
        }
    }
    Note(*this, "LeiterHinweis", {kLevelsLeft, RowTop(kLevelSlots) + 2, kWidth - kLevelsLeft - 8, 60}, clBlack)
        ->SetCaption(LevelsNote());
}

void StatisticsWindow::CreateCharts() {
    TextCell(*this, 12, kChartTop - 18, kChartWidth, "Ergebnis dieser Sitzung nach jedem Spiel (Euro)", true);
    TextCell(*this, kWidth - 12 - kChartWidth, kChartTop - 18, kChartWidth,
            "Ergebnis je Tag, die letzten 30 Tage (Euro)", true);
    SessionChart = MakeControl<TImage>(*this, "SitzungsDiagramm", {12, kChartTop, kChartWidth, kChartHeight});
    DaysChart = MakeControl<TImage>(*this, "TageDiagramm", {kWidth - 12 - kChartWidth, kChartTop, kChartWidth, kChartHeight});
    for (TImage* chart : {SessionChart, DaysChart}) chart->Picture().Bitmap().SetSize(kChartWidth, kChartHeight);
}

void StatisticsWindow::CreateProtection() {
    const int top = kChartTop + kChartHeight + 10;
    MakeBevel(*this, "Bevel2", {8, top, kWidth - 16, 74}, TBevelShape::bsBox, TBevelStyle::bsLowered);
    TextCell(*this, 16, top + 6, 200, "Spielerschutz", true);
    ReminderBox = MakeSwitch(*this, "ErinnerungBox", {16, top + 26, 250, 17}, "Erinnerung an die Spielzeit alle");
    ReminderEdit = MakeControl<TEdit>(*this, "ErinnerungEdit", {270, top + 24, 50, 21});
    MinutesLabel = TextCell(*this, 326, top + 28, 60, "Minuten");
    ReminderEdit->OnChange = [this](TObject*) {
        MinutesLabel->SetCaption(MinutesWord(std::atoll(ReminderEdit->Text().c_str())));
    };
    LimitBox = MakeSwitch(*this, "LimitBox", {16, top + 50, 250, 17}, "Einzahlungslimit im Monat");
    LimitEdit = MakeControl<TEdit>(*this, "LimitEdit", {270, top + 48, 80, 21});
    TextCell(*this, 356, top + 52, 40, "Euro");
    MonthLabel = Note(*this, "MonatLabel", {410, top + 16, kWidth - 426, 56}, clBlack);
    HistoryLabel = Note(*this, "AufzeichnungLabel", {12, top + 82, 404, 30}, kNoteColor);
    LastGamesBtn = MakeDialogButton(*this, "LetzteSpieleBtn", {kWidth - 336, top + 82, 118, 28}, "Letzte Spiele");
    LastGamesBtn->OnClick = [this](TObject*) { ShowLastGames(!LastGamesList->Visible()); };
    ApplyBtn = MakeDialogButton(*this, "UebernehmenBtn", {kWidth - 212, top + 82, 100, 28}, "Übernehmen");
    CloseBtn = MakeDialogButton(*this, "SchliessenBtn", {kWidth - 106, top + 82, 94, 28}, "Schließen");
    CloseBtn->Cancel = true;
    ApplyBtn->OnClick = [this](TObject*) {
        if (ApplyProtection()) FillProtection();
    };
    CloseBtn->OnClick = [this](TObject*) {
        if (ApplyProtection()) SetModalResult(mrOk);
    };
}

// Over the tables and charts, shown in their place by its button.
void StatisticsWindow::CreateLastGames() {
    LastGamesList = MakeControl<TImage>(*this, "LetzteSpiele", {8, kListTop, kLastGamesWidth, kListHeight});
    LastGamesList->Picture().Bitmap().SetSize(kLastGamesWidth, kListHeight);
    LastGamesList->Hide();
}

void StatisticsWindow::ShowLastGames(bool shown) {
    LastGamesBtn->SetCaption(shown ? "Übersicht" : "Letzte Spiele");
    if (!shown) {
        LastGamesList->Hide();
        return;
    }
    DrawLastGames(LastGamesList->Picture().Bitmap(), recorder_.LastGames(kLastGames), recorder_.HistoryOff(),
                  [](int picture) -> const TBitmap* {
                      if (picture < 0 || picture >= kWalzenbildCount || !Form1) return nullptr;
                      auto* image = dynamic_cast<TImage*>(
                          Form1->FindComponent(std::string(ComponentName(static_cast<Walzenbild>(picture)))));
                      return image ? &image->Picture().Bitmap() : nullptr;
                  });
    LastGamesList->Invalidate();
    LastGamesList->Show();
}

void StatisticsWindow::FillFigures(const PlayFigures& session, const PlayFigures* all) {
    const std::vector<FigureRow>& rows = FigureRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Figures[i].session->SetCaption(rows[i].text(session));
        Figures[i].all->SetCaption(all ? rows[i].text(*all) : "–");
    }
    Figures.back().session->SetCaption(PlayTimeText(recorder_.PlayMs()));
    for (int slot = 0; slot < kLevelSlots; ++slot) {
        const Row& row = Levels[static_cast<std::size_t>(slot)];
        row.session->SetCaption(LevelCount(session, slot));
        row.all->SetCaption(all ? LevelCount(*all, slot) : "–");
    }
}

void StatisticsWindow::FillProtection() {
    const ProtectionSettings p = recorder_.Protection();
    ReminderBox->SetChecked(p.reminderMinutes > 0);
    ReminderEdit->SetText(std::to_string(p.reminderMinutes > 0 ? p.reminderMinutes : kDefaultReminderMinutes));
    MinutesLabel->SetCaption(MinutesWord(p.reminderMinutes > 0 ? p.reminderMinutes : kDefaultReminderMinutes));
    LimitBox->SetChecked(p.monthlyLimitCents.has_value());
    LimitEdit->SetText(p.monthlyLimitCents ? LimitText(*p.monthlyLimitCents) : "");
    shown_ = {ReminderBox->Checked(), LimitBox->Checked(), ReminderEdit->Text(), LimitEdit->Text()};
    MonthLabel->SetCaption(MonthText(recorder_.DepositedThisMonth(), p));
}

bool StatisticsWindow::ApplyProtection() {
    const Shown typed{ReminderBox->Checked(), LimitBox->Checked(), ReminderEdit->Text(), LimitEdit->Text()};
    const bool limitChanged = typed.limit != shown_.limit || (typed.limit && typed.limitText != shown_.limitText);
    if (!limitChanged && typed.reminder == shown_.reminder && (!typed.reminder || typed.minutes == shown_.minutes))
        return true;
    int minutes = 0;
    if (typed.reminder) {
        const Result<int> parsed = ParseReminderMinutes(typed.minutes);
        if (!parsed) return ShowInformation(parsed.Why().reason), false;
        minutes = *parsed;
    }
    std::optional<std::int64_t> limit = recorder_.Protection().monthlyLimitCents;
    if (limitChanged) {
        limit.reset();
        if (typed.limit) {
            const Result<std::int64_t> parsed = ParseLimitCents(typed.limitText);
            if (!parsed) return ShowInformation(parsed.Why().reason), false;
            limit = *parsed;
        }
    }
    if (!recorder_.ChangeProtection(minutes, limit))
        ShowInformation("Der Spielerschutz konnte nicht gespeichert werden; er gilt bis zum Ende dieser Sitzung.");
    FillProtection();
    return true;
}

void StatisticsWindow::Refresh() {
    const std::optional<PlayFigures> all = recorder_.AllTime();
    FillFigures(recorder_.Session(), all ? &*all : nullptr);
    DrawRunningNet(SessionChart->Picture().Bitmap(), recorder_.SessionNet());
    DrawDailyNet(DaysChart->Picture().Bitmap(), recorder_.LastDays(kChartDays), recorder_.Today(), kChartDays);
    SessionChart->Invalidate();
    DaysChart->Invalidate();
    HistoryLabel->SetCaption(recorder_.HistoryOff());
    FillProtection();
    ShowLastGames(LastGamesList->Visible());
}

void StatisticsWindow::ShowFigures() {
    if (IsShown()) return;
    Refresh();
    ShowModal();
}
