// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listens to the game and keeps its history: the play session in memory, everything in the
// database. Recording never stops the game: a database that cannot be opened or written is
// reported once, a damaged one is moved aside, and play goes on without it. At the start it
// agrees the stored cash box and the month's deposits with the history. It also keeps the
// player's protections: the play-time reminder and the monthly deposit limit.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "machine/play_events.h"
#include "statistics/play_figures.h"
#include "statistics/play_history.h"
#include "statistics/protection.h"

class TForm1;
class StatisticsWindow;

// A quarter of an hour without a game starts the play time afresh.
inline constexpr std::int64_t kPlayBreakMs = 15 * 60 * 1000;

class PlayRecorder : public PlayEvents {
public:
    // An empty file keeps no history; the session's figures and the protections still work.
    PlayRecorder(TForm1& form, std::filesystem::path file);
    ~PlayRecorder() override;

    void GameStarted(bool specialGame) override;
    void ReelsEvaluated() override;
    void StepCaught(Ladder ladder, int step) override;
    void MoneyCredited(const EuroDecimal& stepAmount, const EuroDecimal& credited, RiskOutcome outcome) override;
    void SpecialGamesCredited(const EuroDecimal& count) override;
    void GameOver() override;
    Outcome DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) override;
    void Deposited(const EuroDecimal& amount) override;
    void PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) override;
    void CashBoxEmptied(const EuroDecimal& left) override;
    std::int64_t CashBoxEntry() const override { return entry_; }
    void ProgramEnds() override;
    void ShowStatistics() override;

    // This play session's figures, the running game's stake and winnings included, and its
    // result after each of its games.
    PlayFigures Session() const;
    const std::vector<std::int64_t>& SessionNet() const { return sessionNet_; }
    std::int64_t SessionMs() const;
    // Play time: from the first game after a break of a quarter of an hour or more.
    std::int64_t PlayMs() const;
    // All play sessions, the running game included; nothing while there is no history.
    std::optional<PlayFigures> AllTime();
    // The net result of each day with games from `days` days ago up to today.
    std::vector<DayNet> LastDays(int days);
    // The last games from the history alone; nothing while there is no history.
    std::optional<std::vector<GameAt>> LastGames(int count);
    std::int64_t Today() const;
    std::int64_t Now() const;
    std::int64_t DepositedThisMonth() const;
    // Why there is no history, in German; empty while it is kept.
    const std::string& HistoryOff() const { return off_; }

    // The protections in force now: a raise of the limit whose day has come applies.
    ProtectionSettings Protection();
    // Stores them as they are; false when the INI file could not be written (they hold for
    // this session).
    bool SetProtection(const ProtectionSettings& settings);
    // The player's wish: a lower limit applies at once, a higher one or none after seven days.
    bool ChangeProtection(int reminderMinutes, std::optional<std::int64_t> limitCents);

private:
    PlayHistory* History();
    template <class Use>
    void Write(Use&& use);
    void Fail(const std::string& message);
    void Broken(const std::exception& e);
    void CloseGame(std::int64_t creditCents);
    void AgreeCashBox();
    void RememberEntry(PlayHistory& h);
    std::int64_t CreditCents() const;
    std::int64_t CashBoxCents() const;
    std::int64_t ClockMs() const;
    // The file's full name, for messages.
    std::string Shown() const;

    TForm1& form_;
    std::filesystem::path file_;
    std::unique_ptr<PlayHistory> history_;
    std::string off_;
    bool closing_ = false;   // no message boxes while the program ends
    bool starting_ = false;  // nor before the windows show
    std::int64_t startUs_;     // the session's start on the application's clock
    std::int64_t startStamp_;  // and on the calendar
    std::optional<std::int64_t> playStartMs_;  // the play time's start on the application's clock
    std::int64_t lastGameEndMs_ = 0;
    std::int64_t lastReminderMs_ = 0;
    std::int64_t entry_ = 0;
    ProtectionSettings protection_;
    std::optional<GameRecord> open_;
    std::int64_t openStamp_ = 0;
    PlayFigures session_;
    std::vector<std::int64_t> sessionNet_;
    StatisticsWindow* window_ = nullptr;  // made at its first showing; the application owns it
};
