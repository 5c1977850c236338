// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listens to the game and keeps its history: the play session in memory, everything in the
// database. Recording never stops the game: a database that cannot be opened or written is
// reported once, a damaged one is moved aside, and play goes on without it. It also keeps
// the player's protections: the play-time reminder and the monthly deposit limit.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "machine/play_events.h"
#include "statistics/play_figures.h"
#include "statistics/play_history.h"
#include "statistics/protection.h"

class TForm1;

class PlayRecorder : public PlayEvents {
public:
    // An empty file keeps no history; the session's figures and the protections still work.
    PlayRecorder(TForm1& form, std::filesystem::path file);
    ~PlayRecorder() override;

    void GameStarted(bool specialGame) override;
    void ReelsEvaluated() override;
    void StepCaught(int ladder, int step) override;
    void MoneyCredited(const EuroDecimal& stepAmount, const EuroDecimal& credited, RiskOutcome outcome) override;
    void SpecialGamesCredited(const EuroDecimal& count) override;
    void GameOver() override;
    Outcome DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) override;
    void Deposited(const EuroDecimal& amount) override;
    void PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) override;

    // This play session's figures and its net result after each of its games.
    const PlayFigures& Session() const { return session_; }
    const std::vector<std::int64_t>& SessionNet() const { return sessionNet_; }
    std::int64_t SessionMs() const;
    // All play sessions; nothing while there is no history.
    std::optional<PlayFigures> AllTime();
    // The net result of each day with games from `days` days ago up to today.
    std::vector<DayNet> LastDays(int days);
    std::int64_t Today() const;
    std::int64_t DepositedThisMonth();
    // Why there is no history, in German; empty while it is kept.
    const std::string& HistoryOff() const { return off_; }

    const ProtectionSettings& Protection() const { return protection_; }
    // Stores them; false when the INI file could not be written (they hold for this session).
    bool SetProtection(const ProtectionSettings& settings);

private:
    PlayHistory* History();
    template <class Use>
    void Write(Use&& use);
    void Fail(const std::string& message);
    void Broken(const std::exception& e);
    void CloseGame();
    std::int64_t Now() const;
    // The file's full name, for messages.
    std::string Shown() const;

    TForm1& form_;
    std::filesystem::path file_;
    std::unique_ptr<PlayHistory> history_;
    std::string off_;
    bool closing_ = false;  // no message boxes while the program ends
    std::int64_t startUs_;     // the session's start on the application's clock
    std::int64_t startStamp_;  // and on the calendar
    std::int64_t lastReminderMs_ = 0;
    ProtectionSettings protection_;
    std::optional<GameRecord> open_;
    std::int64_t openStamp_ = 0;
    PlayFigures session_;
    std::vector<std::int64_t> sessionNet_;
    std::vector<std::pair<std::int64_t, std::int64_t>> sessionDeposits_;  // stamp, cents
    std::optional<std::pair<std::int64_t, std::int64_t>> earlierThisMonth_;  // month start, cents
};
