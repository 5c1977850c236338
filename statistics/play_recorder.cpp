// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/play_recorder.h"

#include <sqlite3.h>

#include <algorithm>
#include <iostream>

#include "game/combination_table.h"
#include "machine/form1.h"
#include "statistics/history_file.h"
#include "statistics/history_schema.h"
#include "statistics/local_stamp.h"
#include "statistics/money_text.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

constexpr const char* kPlaysOn = " Tresolo spielt ohne Aufzeichnung weiter.";

std::string Reason(const SqlError& e) {
    switch (e.Code()) {
        case SQLITE_FULL: return "der Datenträger ist voll";
        case SQLITE_READONLY: return "die Datei ist schreibgeschützt";
        case SQLITE_CANTOPEN: return "sie lässt sich nicht öffnen oder anlegen, der Ordner ist vielleicht schreibgeschützt";
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return "ein anderes Programm hält sie gesperrt";
        case SQLITE_IOERR: return "Lese- oder Schreibfehler";
        default: return "SQLite-Fehler " + std::to_string(e.Code());
    }
}

int PictureOn(const BildAufWalzeTable& table, Reel reel) {
    for (Walzenbild picture : kAllWalzenbilder)
        if (IsOnReel(table, picture, reel)) return static_cast<int>(picture);
    return -1;
}

}  // namespace

PlayRecorder::PlayRecorder(TForm1& form, std::filesystem::path file)
    : form_(form), file_(std::move(file)), startUs_(Application->GetClock().NowUs()) {
    if (file_.empty()) off_ = "Die Aufzeichnung ist ausgeschaltet.";
    startStamp_ = Now();
    protection_ = ReadProtection(form_.Program.IniDateiName);
}

PlayRecorder::~PlayRecorder() {
    closing_ = true;
    try {
        CloseGame();
        if (history_) history_->EndSession(Now());
    } catch (const std::exception& e) {
        std::cerr << "tresolo: Spielstatistik " << Shown() << ": " << e.what() << '\n';
    }
}

std::string PlayRecorder::Shown() const {
    std::error_code error;
    return std::filesystem::absolute(file_, error).string();
}

std::int64_t PlayRecorder::Now() const {
    return LocalStamp(form_.Services.localTime());
}

std::int64_t PlayRecorder::SessionMs() const { return (Application->GetClock().NowUs() - startUs_) / 1000; }

std::int64_t PlayRecorder::Today() const { return DayOf(Now()); }

PlayHistory* PlayRecorder::History() {
    if (history_ || !off_.empty()) return history_.get();
    try {
        std::error_code error;
        if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), error);
        history_ = std::make_unique<PlayHistory>(file_, startStamp_);
    } catch (const NewerSchema& e) {
        std::cerr << "tresolo: Spielstatistik " << Shown() << ": " << e.what() << '\n';
        Fail("Die Spielstatistik " + Shown() + " stammt von einer neueren Tresolo-Version und bleibt, wie sie ist." +
             kPlaysOn);
    } catch (const std::exception& e) {
        Broken(e);
    }
    return history_.get();
}

template <class Use>
void PlayRecorder::Write(Use&& use) {
    PlayHistory* history = History();
    if (!history) return;
    try {
        use(*history);
    } catch (const std::exception& e) {
        Broken(e);
    }
}

// A damaged file is moved aside; anything else is left for the player to look at.
void PlayRecorder::Broken(const std::exception& e) {
    std::cerr << "tresolo: Spielstatistik " << Shown() << ": " << e.what() << '\n';
    history_.reset();
    const auto* sql = dynamic_cast<const SqlError*>(&e);
    if (!sql || !sql->Damaged()) {
        Fail("Die Spielstatistik kann nicht geschrieben werden: " + Shown() + " (" +
             (sql ? Reason(*sql) : std::string(e.what())) + ")." + kPlaysOn);
        return;
    }
    std::string error;
    const std::filesystem::path moved = MoveAside(file_, Now(), error);
    Fail("Die Spielstatistik " + Shown() + " ist beschädigt. " +
         (moved.empty() ? "Sie konnte nicht verschoben werden (" + error + ")."
                        : "Sie wurde nach " + moved.filename().string() +
                              " verschoben; beim nächsten Start beginnt eine neue.") +
         kPlaysOn);
}

// Said once: afterwards the history stays off for this session.
void PlayRecorder::Fail(const std::string& message) {
    history_.reset();
    if (!off_.empty()) return;
    off_ = message;
    if (!closing_) ShowInformation(message);
}

void PlayRecorder::CloseGame() {
    if (!open_) return;
    const GameRecord game = *open_;
    open_.reset();
    session_.AddGame(game);
    sessionNet_.push_back(session_.NetCents());
    Write([&](PlayHistory& h) { h.RecordGame(openStamp_, game); });
}

void PlayRecorder::GameStarted(bool specialGame) {
    CloseGame();
    open_.emplace();
    open_->special = specialGame;
    openStamp_ = Now();
}

void PlayRecorder::ReelsEvaluated() {
    if (!open_) return;
    const BildAufWalzeTable& table = form_.Game.BildAufWalze;
    for (Reel reel : kAllReels) open_->pictures[static_cast<std::size_t>(reel)] = PictureOn(table, reel);
    if (const std::optional<Combination> win = FindCombination(table)) {
        const auto ladder = static_cast<std::size_t>(win->ladder);
        open_->startLevel[ladder] = std::max(open_->startLevel[ladder], win->step);
        open_->topLevel[ladder] = std::max(open_->topLevel[ladder], win->step);
    }
}

void PlayRecorder::StepCaught(int ladder, int step) {
    if (!open_) return;
    int& top = open_->topLevel[static_cast<std::size_t>(ladder)];
    top = std::max(top, step);
}

void PlayRecorder::MoneyCredited(const EuroDecimal& stepAmount, const EuroDecimal& credited, RiskOutcome outcome) {
    if (!open_) return;
    open_->stepCents += CentsOf(stepAmount);
    open_->wonCents += CentsOf(credited);
    if (outcome != RiskOutcome::NotPlayed) ++open_->risk[static_cast<std::size_t>(outcome) - 1];
}

void PlayRecorder::SpecialGamesCredited(const EuroDecimal& count) {
    if (open_) open_->specialWon += CentsOf(count) / 100;
}

void PlayRecorder::GameOver() {
    CloseGame();
    const std::int64_t elapsed = SessionMs();
    if (!ReminderDue(elapsed, lastReminderMs_, protection_.reminderMinutes)) return;
    form_.Gate.Run(Input::Reminder, [&] {
        lastReminderMs_ = elapsed;
        ShowInformation(ReminderText(elapsed, session_.NetCents()));
    });
}

std::int64_t PlayRecorder::DepositedThisMonth() {
    const std::int64_t now = Now(), month = MonthStart(now), next = NextMonthStart(now);
    if (!earlierThisMonth_ || earlierThisMonth_->first != month) {
        std::int64_t earlier = 0;
        Write([&](PlayHistory& h) { earlier = h.EarlierDepositsBetween(month, next); });
        earlierThisMonth_.emplace(month, earlier);
    }
    std::int64_t sum = earlierThisMonth_->second;
    for (const auto& [stamp, cents] : sessionDeposits_)
        if (stamp >= month && stamp < next) sum += cents;
    return sum;
}

Outcome PlayRecorder::DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) {
    if (!protection_.monthlyLimitCents) return Outcome::Done();
    const std::int64_t limit = *protection_.monthlyLimitCents, used = DepositedThisMonth() + CentsOf(onTheWay);
    if (used + CentsOf(amount) <= limit) return Outcome::Done();
    return Outcome::Failed(RefusalText(limit, limit - used));
}

void PlayRecorder::Deposited(const EuroDecimal& amount) {
    const std::int64_t cents = CentsOf(amount), stamp = Now();
    sessionDeposits_.emplace_back(stamp, cents);
    session_.AddDeposit(cents);
    Write([&](PlayHistory& h) { h.RecordDeposit(stamp, cents); });
}

void PlayRecorder::PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) {
    CloseGame();
    const std::int64_t creditCents = CentsOf(credit), debtCents = CentsOf(debt);
    session_.AddPayout(creditCents, debtCents);
    Write([&](PlayHistory& h) { h.RecordPayout(Now(), creditCents, debtCents); });
}

std::optional<PlayFigures> PlayRecorder::AllTime() {
    std::optional<PlayFigures> figures;
    Write([&](PlayHistory& h) { figures = h.Totals(); });
    return figures;
}

std::vector<DayNet> PlayRecorder::LastDays(int days) {
    std::vector<DayNet> result;
    Write([&](PlayHistory& h) { result = h.DaysFrom(Today() - days + 1); });
    return result;
}

bool PlayRecorder::SetProtection(const ProtectionSettings& settings) {
    protection_ = settings;
    return WriteProtection(form_.Program.IniDateiName, settings);
}
