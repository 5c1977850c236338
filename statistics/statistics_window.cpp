// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/statistics_window.h"

#include "helpdoc/help_names.h"
#include "helpdoc/win_plan.h"
#include "machine/window_parts.h"
#include "statistics/exact_odds.h"
#include "statistics/figure_rows.h"
#include "statistics/money_text.h"
#include "statistics/net_chart.h"
#include "toolkit/dialogs.h"

namespace {

constexpr int kWidth = 760, kHeight = 600;
constexpr int kRowHeight = 16, kTableTop = 72;
constexpr int kFiguresLeft = 12, kCaptionWidth = 150, kNumberWidth = 88, kExactWidth = 118;
constexpr int kLevelsLeft = 470, kLevelCaptionWidth = 118, kLevelExactWidth = 58, kLevelNumberWidth = 50;
constexpr int kChartTop = 352, kChartWidth = 364, kChartHeight = 126;
const TColor kNoteColor = RGB(160, 0, 0);

TFont PlainFont(TColor color = clBlack) {
    TFont font = BoldFont(color);
    font.Style = 0;
    return font;
}

TLabel* Cell(TForm& form, int left, int top, int width, const std::string& text, const TFont& font,
             TAlignment alignment = TAlignment::taRightJustify) {
    TLabel* label = MakeDialogLabel(form, "", {left, top, width, kRowHeight - 2}, text, font);
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, kRowHeight - 2);
    label->Alignment = alignment;
    return label;
}

TLabel* TextCell(TForm& form, int left, int top, int width, const std::string& text, bool bold = false) {
    return Cell(form, left, top, width, text, bold ? BoldFont() : PlainFont(), TAlignment::taLeftJustify);
}

TLabel* Note(TForm& form, const char* name, Place at, TColor color) {
    TLabel* label = MakeDialogLabel(form, name, at, "", BoldFont(color));
    label->SetAutoSize(false);
    label->SetBounds(at.left, at.top, at.width, at.height);
    label->WordWrap = true;
    return label;
}

int RowTop(int row) { return kTableTop + kRowHeight * (row + 1); }

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
}

void StatisticsWindow::CreateFigureTable() {
    const int session = kFiguresLeft + kCaptionWidth, all = session + kNumberWidth, exact = all + kNumberWidth;
    Cell(*this, session, kTableTop, kNumberWidth, "Diese Sitzung", BoldFont());
    Cell(*this, all, kTableTop, kNumberWidth, "Alle Sitzungen", BoldFont());
    Cell(*this, exact, kTableTop, kExactWidth, "genau", BoldFont());
    const std::vector<FigureRow>& rows = FigureRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = RowTop(static_cast<int>(i));
        TextCell(*this, kFiguresLeft, top, kCaptionWidth, rows[i].caption);
        Figures.push_back({Cell(*this, session, top, kNumberWidth, "", PlainFont()),
                           Cell(*this, all, top, kNumberWidth, "", PlainFont()),
                           Cell(*this, exact, top, kExactWidth, rows[i].exact, PlainFont())});
    }
    const int top = RowTop(static_cast<int>(rows.size()));
    TextCell(*this, kFiguresLeft, top, kCaptionWidth, "Spielzeit dieser Sitzung");
    Figures.push_back({Cell(*this, session, top, kNumberWidth, "", PlainFont()), nullptr, nullptr});
}

void StatisticsWindow::CreateLevelTable() {
    const int exact = kLevelsLeft + kLevelCaptionWidth, session = exact + kLevelExactWidth + 4,
              all = session + kLevelNumberWidth;
    TextCell(*this, kLevelsLeft, kTableTop, kLevelCaptionWidth, "Leiterstufe", true);
    Cell(*this, exact, kTableTop, kLevelExactWidth, "genau", BoldFont());
    Cell(*this, session, kTableTop, kLevelNumberWidth, "Sitzung", BoldFont());
    Cell(*this, all, kTableTop, kLevelNumberWidth, "alle", BoldFont());
    for (Ladder ladder : {Ladder::Left, Ladder::Right}) {
        for (int step = 1; step <= kLevelCount; ++step) {
            const int slot = LevelSlot(static_cast<int>(ladder), step), top = RowTop(slot);
            TextCell(*this, kLevelsLeft, top, kLevelCaptionWidth,
                    (ladder == Ladder::Left ? "links " : "rechts ") + LevelText(ladder, step));
            const Fraction chance = LevelChance(ladder, step);
            Levels[static_cast<std::size_t>(slot)] = {
                Cell(*this, session, top, kLevelNumberWidth, "", PlainFont()),
                Cell(*this, all, top, kLevelNumberWidth, "", PlainFont()),
                Cell(*this, exact, top, kLevelExactWidth,
                     chance == Fraction(0) ? "–" : chance.PercentText(chance < Fraction(1, 100) ? 3 : 2), PlainFont())};
        }
    }
    Note(*this, "LeiterHinweis", {kLevelsLeft, RowTop(kLevelSlots) + 2, kWidth - kLevelsLeft - 8, 30}, clBlack)
        ->SetCaption("Von den Walzen gestartet, in Klammern mit Steigen erreicht; genau: Chance je Spiel.");
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
    ReminderBox = MakeControl<TCheckBox>(*this, "ErinnerungBox", {16, top + 26, 250, 17});
    ReminderBox->SetFont(BoldFont());
    ReminderBox->SetCaption("Erinnerung an die Spielzeit alle");
    ReminderEdit = MakeControl<TEdit>(*this, "ErinnerungEdit", {270, top + 24, 50, 21});
    TextCell(*this, 326, top + 28, 60, "Minuten");
    LimitBox = MakeControl<TCheckBox>(*this, "LimitBox", {16, top + 50, 250, 17});
    LimitBox->SetFont(BoldFont());
    LimitBox->SetCaption("Einzahlungslimit im Monat");
    LimitEdit = MakeControl<TEdit>(*this, "LimitEdit", {270, top + 48, 80, 21});
    TextCell(*this, 356, top + 52, 40, "Euro");
    MonthLabel = Note(*this, "MonatLabel", {410, top + 26, kWidth - 426, 40}, clBlack);
    HistoryLabel = Note(*this, "AufzeichnungLabel", {12, top + 82, 520, 30}, kNoteColor);
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

void StatisticsWindow::FillFigures(const PlayFigures& session, const PlayFigures* all) {
    const std::vector<FigureRow>& rows = FigureRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Figures[i].session->SetCaption(rows[i].text(session));
        Figures[i].all->SetCaption(all ? rows[i].text(*all) : "–");
    }
    Figures.back().session->SetCaption(PlayTimeText(recorder_.SessionMs()));
    for (int slot = 0; slot < kLevelSlots; ++slot) {
        const Row& row = Levels[static_cast<std::size_t>(slot)];
        row.session->SetCaption(LevelCount(session, slot));
        row.all->SetCaption(all ? LevelCount(*all, slot) : "–");
    }
}

void StatisticsWindow::FillProtection() {
    const ProtectionSettings& p = recorder_.Protection();
    ReminderBox->SetChecked(p.reminderMinutes > 0);
    ReminderEdit->SetText(std::to_string(p.reminderMinutes > 0 ? p.reminderMinutes : kDefaultReminderMinutes));
    LimitBox->SetChecked(p.monthlyLimitCents.has_value());
    LimitEdit->SetText(p.monthlyLimitCents ? LimitText(*p.monthlyLimitCents) : "");
    const std::int64_t month = recorder_.DepositedThisMonth();
    std::string text = "In diesem Monat eingezahlt: " + EuroText(month) + " Euro.";
    if (p.monthlyLimitCents)
        text += " Noch möglich: " + EuroText(std::max<std::int64_t>(*p.monthlyLimitCents - month, 0)) + " Euro.";
    MonthLabel->SetCaption(text);
}

bool StatisticsWindow::ApplyProtection() {
    ProtectionSettings wanted;
    std::string message;
    if (ReminderBox->Checked()) {
        const std::optional<int> minutes = ParseReminderMinutes(ReminderEdit->Text(), message);
        if (!minutes) return ShowInformation(message), false;
        wanted.reminderMinutes = *minutes;
    } else {
        wanted.reminderMinutes = 0;
    }
    if (LimitBox->Checked()) {
        wanted.monthlyLimitCents = ParseLimitCents(LimitEdit->Text(), message);
        if (!wanted.monthlyLimitCents) return ShowInformation(message), false;
    }
    const ProtectionSettings& now = recorder_.Protection();
    if (wanted.reminderMinutes == now.reminderMinutes && wanted.monthlyLimitCents == now.monthlyLimitCents) return true;
    if (!recorder_.SetProtection(wanted))
        ShowInformation("Der Spielerschutz konnte nicht gespeichert werden; er gilt bis zum Ende dieser Sitzung.");
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
}

void StatisticsWindow::ShowFigures() {
    if (IsShown()) return;
    Refresh();
    ShowModal();
}
