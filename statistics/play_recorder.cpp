// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/play_recorder.h"

#include <sqlite3.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <system_error>
#include <utility>

#include "game/combination_table.h"
#include "machine/form1.h"
#include "statistics/history_file.h"
#include "statistics/history_schema.h"
#include "statistics/local_stamp.h"
#include "statistics/money_text.h"
#include "support/failure_reasons.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

constexpr const char* kPlaysOn = " Tresolo spielt ohne Aufzeichnung weiter.";

std::string Reason(const SqlError& e) {
    const std::optional<FailureReason> reason = [&]() -> std::optional<FailureReason> {
        switch (e.Code()) {
            case SQLITE_FULL: return FailureReason::DiskFull;
            case SQLITE_READONLY: return FailureReason::ReadOnlyFile;
            case SQLITE_CANTOPEN: return FailureReason::CannotOpen;
            case SQLITE_BUSY:
            case SQLITE_LOCKED: return FailureReason::HeldByAnother;
            case SQLITE_IOERR: return FailureReason::InputOutput;
            default: return std::nullopt;
        }
    }();
    return reason ? std::string(ReasonText(*reason)) : "SQLite-Fehler " + std::to_string(e.Code());
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
    starting_ = true;
    AgreeCashBox();
    starting_ = false;
}

PlayRecorder::~PlayRecorder() {
    closing_ = true;
    ProgramEnds();
}

void PlayRecorder::ProgramEnds() {
    const bool closing = std::exchange(closing_, true);
    try {
        CloseGame(CreditCents());
        if (history_) history_->EndSession(Now());
    } catch (const std::exception& e) {
        std::cerr << "tresolo: Spielstatistik " << Shown() << ": " << e.what() << '\n';
    }
    closing_ = closing;
}

std::string PlayRecorder::Shown() const {
    std::error_code error;
    return std::filesystem::absolute(file_, error).string();
}

std::int64_t PlayRecorder::Now() const { return LocalStamp(form_.Services.localTime()); }

std::int64_t PlayRecorder::ClockMs() const { return Application->GetClock().NowUs() / 1000; }

std::int64_t PlayRecorder::SessionMs() const { return ClockMs() - startUs_ / 1000; }

std::int64_t PlayRecorder::PlayMs() const { return playStartMs_ ? ClockMs() - *playStartMs_ : 0; }

std::int64_t PlayRecorder::Today() const { return DayOf(Now()); }

std::int64_t PlayRecorder::CreditCents() const { return CentsOf(form_.Money.Spielgeld()); }

std::int64_t PlayRecorder::CashBoxCents() const { return CentsOf(form_.Money.Automatenkasse()); }

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
        Fail("Die Spielstatistik " + Shown() + " kann nicht geschrieben werden: " +
             (sql ? Reason(*sql) : std::string(e.what())) + "." + kPlaysOn);
        return;
    }
    const Result<std::filesystem::path> moved = MoveAside(file_, Now());
    Fail("Die Spielstatistik " + Shown() + " ist beschädigt. " +
         (!moved ? "Sie konnte nicht verschoben werden (" + moved.Why().reason + ")."
                 : "Sie wurde nach " + moved->filename().string() + " verschoben; beim nächsten Start beginnt eine neue.") +
         kPlaysOn);
}

// Said once: afterwards the history stays off for this session.
void PlayRecorder::Fail(const std::string& message) {
    history_.reset();
    if (!off_.empty()) return;
    off_ = message;
    // At the start no window shows yet: the box waits for the loop.
    if (starting_)
        Application->QueueCall([message] { ShowInformation(message); });
    else if (!closing_)
        ShowInformation(message);
}

void PlayRecorder::RememberEntry(PlayHistory& h) {
    const std::optional<CashBoxRow> last = h.LastCashBox();
    entry_ = last ? last->id : 0;
}

// The stored cash box names the history's entry it follows. Where a kill came between the two
// writes, the record that saw the later move wins: the history when it holds an entry the store
// has not seen, the store otherwise (the history missed moves while it was off). The month's
// deposits are the larger of the two counts. What was mended is recorded in the history.
void PlayRecorder::AgreeCashBox() {
    std::error_code error;
    if (file_.empty() || !std::filesystem::exists(file_, error)) return;
    Write([&](PlayHistory& h) {
        const KeptCashBox stored = form_.Kept.Kept();
        KeptCashBox agreed = stored;
        std::string mended;
        agreed.month = std::max(stored.month, h.LatestDepositMonth());
        const std::int64_t storedMonth = agreed.month == stored.month ? stored.monthCents : 0;
        agreed.monthCents = std::max(storedMonth, h.DepositsInMonth(agreed.month));
        if (agreed.monthCents != storedMonth)
            mended += "Einzahlungen des Monats " + EuroText(storedMonth) + " auf " + EuroText(agreed.monthCents) +
                      " Euro aus der Aufzeichnung. ";
        const std::int64_t storedCents = CentsOf(stored.amount);
        if (const std::optional<CashBoxRow> last = h.LastCashBox(); last && last->cents != storedCents) {
            if (last->id > stored.entry) {
                agreed.amount = EuroDecimal::Parse(EuroText(last->cents));
                mended += "Kasse " + EuroText(storedCents) + " auf " + EuroText(last->cents) +
                          " Euro aus der Aufzeichnung. ";
            } else {
                h.RecordCashBox(Now(), storedCents, "Angleichung");
                mended += "Kasse der Aufzeichnung " + EuroText(last->cents) + " auf gespeicherte " +
                          EuroText(storedCents) + " Euro. ";
            }
        }
        RememberEntry(h);
        agreed.entry = entry_;
        if (!mended.empty()) h.RecordRepair(Now(), mended.substr(0, mended.size() - 1));
        if (!mended.empty() || entry_ != stored.entry) form_.TakeCashBox(agreed);
    });
}

void PlayRecorder::CloseGame(std::int64_t creditCents) {
    if (!open_) return;
    GameRecord game = *open_;
    open_.reset();
    game.creditAfterCents = creditCents;
    session_.AddGame(game);
    sessionNet_.push_back(session_.ResultCents());
    lastGameEndMs_ = ClockMs();
    Write([&](PlayHistory& h) { h.RecordGame(openStamp_, game); });
}

void PlayRecorder::GameStarted(bool specialGame) {
    const std::int64_t before = CreditCents() + (specialGame ? 0 : StakeCents());
    CloseGame(before);
    const std::int64_t now = ClockMs();
    if (!playStartMs_ || now - lastGameEndMs_ >= kPlayBreakMs) {
        playStartMs_ = now;
        lastReminderMs_ = 0;
    }
    open_.emplace();
    open_->special = specialGame;
    open_->creditBeforeCents = before;
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

void PlayRecorder::StepCaught(Ladder ladder, int step) {
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

// The reminder speaks only at the end of a game, never at a step that ended none.
void PlayRecorder::GameOver() {
    if (!open_) return;
    CloseGame(CreditCents());
    const std::int64_t elapsed = PlayMs();
    if (!ReminderDue(elapsed, lastReminderMs_, protection_.reminderMinutes)) return;
    form_.Gate.Run(Input::Reminder, [&] {
        lastReminderMs_ = elapsed;
        ShowInformation(ReminderText(elapsed, session_.ResultCents()));
    });
}

std::int64_t PlayRecorder::DepositedThisMonth() const { return form_.Kept.MonthDeposits(); }

Outcome PlayRecorder::DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) {
    const ProtectionSettings p = Protection();
    if (!p.monthlyLimitCents) return Outcome::Done();
    const std::int64_t limit = *p.monthlyLimitCents, used = DepositedThisMonth() + CentsOf(onTheWay);
    if (used + CentsOf(amount) <= limit) return Outcome::Done();
    return Outcome::Failed(RefusalText(limit, limit - used));
}

void PlayRecorder::Deposited(const EuroDecimal& amount) {
    const std::int64_t cents = CentsOf(amount), stamp = Now();
    session_.AddDeposit(cents);
    Write([&](PlayHistory& h) {
        h.RecordDeposit(stamp, cents, form_.Kept.Month(), CashBoxCents());
        RememberEntry(h);
    });
}

void PlayRecorder::PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) {
    CloseGame(CreditCents());
    const std::int64_t creditCents = CentsOf(credit), debtCents = CentsOf(debt);
    session_.AddPayout(creditCents, debtCents);
    Write([&](PlayHistory& h) {
        h.RecordPayout(Now(), creditCents, debtCents, CashBoxCents());
        RememberEntry(h);
    });
}

void PlayRecorder::CashBoxEmptied(const EuroDecimal& left) {
    Write([&](PlayHistory& h) {
        h.RecordCashBox(Now(), CentsOf(left), "Leerung");
        RememberEntry(h);
    });
}

PlayFigures PlayRecorder::Session() const {
    PlayFigures figures = session_;
    if (open_) figures.AddStarted(*open_);
    return figures;
}

std::optional<PlayFigures> PlayRecorder::AllTime() {
    std::optional<PlayFigures> figures;
    Write([&](PlayHistory& h) { figures = h.Totals(); });
    if (figures && open_) figures->AddStarted(*open_);
    return figures;
}

std::vector<DayNet> PlayRecorder::LastDays(int days) {
    std::vector<DayNet> result;
    Write([&](PlayHistory& h) { result = h.DaysFrom(Today() - days + 1); });
    return result;
}

std::optional<std::vector<GameAt>> PlayRecorder::LastGames(int count) {
    std::optional<std::vector<GameAt>> games;
    Write([&](PlayHistory& h) { games = h.LastGames(count); });
    return games;
}

ProtectionSettings PlayRecorder::Protection() {
    const ProtectionSettings now = InForceAt(protection_, Now());
    if (now != protection_) SetProtection(now);
    return protection_;
}

bool PlayRecorder::SetProtection(const ProtectionSettings& settings) {
    protection_ = settings;
    return WriteProtection(form_.Program.IniDateiName, settings);
}

bool PlayRecorder::ChangeProtection(int reminderMinutes, std::optional<std::int64_t> limitCents) {
    ProtectionSettings wanted = WithLimit(Protection(), limitCents, Now());
    wanted.reminderMinutes = reminderMinutes;
    return wanted == protection_ || SetProtection(wanted);
}
