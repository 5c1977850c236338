// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/explorer/explorer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "machine/denominations.h"
#include "machine/input_gate.h"
#include "machine/name_dlg.h"
#include "machine/settings_store.h"
#include "money/payout_pieces.h"
#include "statistics/history_file.h"
#include "statistics/money_text.h"
#include "statistics/play_history.h"
#include "support/decimal_mask.h"
#include "support/text_util.h"
#include "tests/explorer/properties.h"
#include "tests/machine/display_text.h"
#include "tests/machine/started_program.h"

namespace explorer {

namespace {

constexpr int kTickMs = 5;
constexpr std::int64_t kAimTimeoutMs = 6000;
constexpr std::int64_t kLongestOrderMs = 40 * 60 * 1000;
constexpr int kWidestAimMs = 700;
const char* const kNames[] = {"Max", "Jürgen", "Dr. Max", "  Anna ", "AC/DC", "Zweiundzwanzig Zeichen!", "Ölkännchen"};

constexpr std::string_view kActNames[] = {
    "warten", "Einzahlung", "Start", "Walzenstop", "Stop links", "Stop rechts", "Stop links doppelt",
    "Stop rechts doppelt", "Menü", "Menü Ok", "Auszahlung", "Risikospiel", "Automatik", "Auswertung", "Statistik",
    "Esc", "Programm beenden", "F2", "Ja", "Nein", "Name", "Auflösung", "Fenster schließen", "SIGTERM",
};
static_assert(std::size(kActNames) == static_cast<std::size_t>(Act::Count));

constexpr std::string_view kAimNames[] = {"", "Auswertung", "Walzengewinn offen", "Gutschrift", "Risikospiel",
                                          "Einzahlung", "Auszahlung"};
static_assert(std::size(kAimNames) == static_cast<std::size_t>(Aim::Count));

Stage StageOf(Aim aim) {
    switch (aim) {
        case Aim::Evaluation: return Stage::ReelsAwaitEvaluation;
        case Aim::LadderUncredited: return Stage::LadderUncredited;
        case Aim::Credit: return Stage::Crediting;
        case Aim::RiskGame: return Stage::RiskGame;
        case Aim::Deposit: return Stage::DepositSinking;
        case Aim::Payout: return Stage::Payout;
        default: return Stage::AtRest;
    }
}

// Hands on what the game tells the play history, telling the properties first.
class Heard : public PlayEvents {
public:
    Heard(std::unique_ptr<PlayEvents> history, Properties& p, const TForm1& f)
        : history_(std::move(history)), p_(p), f_(f) {}
    void GameStarted(bool special) override {
        p_.GameStarted(special);
        history_->GameStarted(special);
    }
    void ReelsEvaluated() override {
        p_.Evaluated(f_.Game.BildAufWalze);
        history_->ReelsEvaluated();
    }
    void StepCaught(Ladder ladder, int step) override {
        p_.StepCaught(ladder, step);
        history_->StepCaught(ladder, step);
    }
    void MoneyCredited(const EuroDecimal& step, const EuroDecimal& credited, RiskOutcome outcome) override {
        p_.MoneyCredited(step, credited, outcome);
        history_->MoneyCredited(step, credited, outcome);
    }
    void SpecialGamesCredited(const EuroDecimal& count) override {
        p_.SpecialGamesCredited(count);
        history_->SpecialGamesCredited(count);
    }
    void GameOver() override { history_->GameOver(); }
    Outcome DepositAllowed(const EuroDecimal& amount, const EuroDecimal& onTheWay) override {
        return history_->DepositAllowed(amount, onTheWay);
    }
    void Deposited(const EuroDecimal& amount) override { history_->Deposited(amount); }
    void PaidOut(const EuroDecimal& credit, const EuroDecimal& debt) override { history_->PaidOut(credit, debt); }

private:
    std::unique_ptr<PlayEvents> history_;
    Properties& p_;
    const TForm1& f_;
};

std::int64_t Cents(const EuroDecimal& amount) { return CentsOf(amount); }

class Run {
public:
    Run(const Order& order, std::optional<std::uint64_t> seed, int length)
        : order_(order), random_(seed.has_value()), length_(length), rng_(seed.value_or(order.seed)) {
        if (random_) order_ = Order{*seed, RandomSetup(), {}};
    }

    Result Go();
    const Order& Played() const { return order_; }

private:
    Setup RandomSetup();
    void Begin();
    void Tick();
    void Schedule(const Action& a);
    std::optional<Action> NextAction();
    Action Choose();
    Action Timed(Act act, int param = 0);
    void Perform(const Action& a);
    void CheckAlways();
    void WatchThrowOut();
    void CheckThrowOut(const LedgerMeters& meters, const LedgerBalances& end);
    void CheckFully();
    void CheckEnd();
    void CheckStoredFiles(const std::string& name, bool logOn);
    void Find(const std::string& what) {
        if (result_.findings.size() < 20)
            result_.findings.push_back("bei " + std::to_string(program_.harness ? Now() : 0) + " ms: " + what);
    }
    int Percent() { return static_cast<int>(rng_() % 100); }
    int Between(int low, int high) { return low + static_cast<int>(rng_() % static_cast<std::uint64_t>(high - low + 1)); }
    HeadlessHarness& H() { return *program_.harness; }
    std::int64_t Now() { return H().NowMs(); }

    Order order_;
    bool random_;
    int length_;
    std::mt19937_64 rng_;
    Result result_;
    Properties props_{result_.findings};
    StartedProgram program_;
    TForm1* f_ = nullptr;

    std::size_t next_ = 0;
    std::optional<Action> due_;
    std::int64_t fireAt_ = -1;  // -1 while the action waits for its aim
    std::int64_t aimedAt_ = 0;
    StageSet stages_ = 0;
    bool lastWayOut_ = false;
    bool accountClosed_ = false;
    EuroDecimal closedCredit_, closedDebt_;
    // The pieces seen flying out during the payout: each flight starts at the top again.
    int piecesSeen_ = 0;
    int lastPieceTop_ = -1;
    bool payoutCut_ = false;  // a way out during the payout: the piece in flight is not paid
    bool screenChanged_ = false;
};

Setup Run::RandomSetup() {
    Setup s;
    s.autostart = Percent() < 40;
    s.risk = Percent() < 70;
    s.reminder = Percent() < 30;
    s.depositLimit = Percent() < 30;
    static constexpr int kCredits[] = {0, 0, 1, 5, 20};
    s.startCredit = kCredits[rng_() % std::size(kCredits)];
    s.startSpecialGames = Percent() < 20 ? 3 : 0;
    return s;
}

void Run::Begin() {
    const Setup& s = order_.setup;
    const auto ini = program_.folder / "Tresolo.ini";
    WritePrivateProfileString("Spielerschutz", "ErinnerungMinuten", s.reminder ? "1" : "0", ini);
    if (s.depositLimit) WritePrivateProfileString("Spielerschutz", "EinzahlungslimitMonat", "60", ini);
    program_.Start();
    f_ = Form1;
    H().RunFor(100);
    TForm1& f = *f_;
    MenueDlg->PC_LautsprHoeren->SetChecked(false);
    MenueDlg->AutoStartCheckBox->SetChecked(s.autostart);
    if (!s.risk) MenueDlg->ButtonRisikoClick(nullptr);
    account::Set(f.Money, &LedgerBalances::Spielgeld, EuroDecimal::FromInteger(s.startCredit));
    account::Set(f.Money, &LedgerBalances::SonderspieleAnzahl, EuroDecimal::FromInteger(s.startSpecialGames));
    f.DrawCredit();
    f.DrawSpecialGames();
    f.Play = std::make_unique<Heard>(std::move(f.Play), props_, f);
    f.Money.Watch([this](const LedgerMove& m) {
        if (m.kind == LedgerMoveKind::AccountClosed) {
            accountClosed_ = true;
            closedCredit_ = f_->Money.Spielgeld();
            closedDebt_ = f_->Money.Schulden();
        }
        if (!f_->Money.Balanced()) Find("das Buch geht nicht auf");
    });
    result_.cells.assign(static_cast<std::size_t>(kStageCount * kInputCount), 0);
    f.Gate.OnAsked = [this](const InputGate::Asked& a) {
        for (int s = 0; s < kStageCount; ++s)
            if (a.stages & StageBit(static_cast<Stage>(s))) result_.cells[s * kInputCount + static_cast<int>(a.input)] = 1;
    };
    auto* timer = new TTimer(&H().App());
    timer->SetInterval(kTickMs);
    timer->OnTimer = [this](TObject*) { Tick(); };
}

Result Run::Go() {
    Begin();
    const std::int64_t start = Now();
    const auto ended = [this] { return H().Halted() || H().App().Terminated(); };
    while (!ended() && Now() - start < kLongestOrderMs) H().RunFor(1000);
    result_.virtualMs = Now() - start;
    if (!ended()) Find("das Programm endet nicht");
    if (H().Stuck()) Find("ein Fenster wartet ohne Ende");
    CheckEnd();
    return result_;
}

std::optional<Action> Run::NextAction() {
    if (random_) {
        if (result_.actionsPlayed >= length_) return std::nullopt;
        Action a = Choose();
        order_.actions.push_back(a);
        return a;
    }
    if (next_ >= order_.actions.size()) return std::nullopt;
    return order_.actions[next_++];
}

void Run::Schedule(const Action& a) {
    due_ = a;
    aimedAt_ = Now();
    fireAt_ = a.aim == Aim::None ? Now() + a.delayMs : -1;
}

// Every 5 ms: the cheap checks, the aim, and the action when it is due.
void Run::Tick() {
    const StageSet before = stages_;
    stages_ = f_->Gate.Stages();
    CheckAlways();
    if (!due_) {
        if (std::optional<Action> a = NextAction()) {
            Schedule(*a);
        } else if (!lastWayOut_) {
            // Every order ends by a way out: the window closed, unless the program has ended.
            lastWayOut_ = true;
            Schedule({Act::Close, 0, Aim::None, 500});
        } else {
            return;
        }
    }
    if (fireAt_ < 0) {
        const StageSet aimed = StageBit(StageOf(due_->aim));
        if (((stages_ & aimed) && !(before & aimed)) || Now() - aimedAt_ > kAimTimeoutMs) fireAt_ = Now() + due_->delayMs;
        return;
    }
    if (Now() < fireAt_) return;
    CheckFully();
    const Action a = *due_;
    due_.reset();
    if (std::getenv("EXPLORER_TRACE"))
        std::fprintf(stderr, "%8lld ms %s [%x]\n", static_cast<long long>(Now()), Describe(a).c_str(), stages_);
    Perform(a);
    ++result_.actionsPlayed;
}

// Aimed at a short window when a game or the menu is busy, mostly.
Action Run::Timed(Act act, int param) {
    Action a{act, param, Aim::None, 0};
    const bool busy = !(stages_ & StageBit(Stage::AtRest)) || MenueDlg->IsShown() ||
                      (!order_.actions.empty() && order_.actions.back().act == Act::Start);
    if (Percent() < (busy ? 50 : 10)) {
        static constexpr Aim kAims[] = {Aim::Evaluation, Aim::Evaluation, Aim::LadderUncredited, Aim::LadderUncredited,
                                        Aim::LadderUncredited, Aim::Credit, Aim::Credit, Aim::Credit,
                                        Aim::RiskGame, Aim::Deposit, Aim::Payout};
        a.aim = kAims[rng_() % std::size(kAims)];
        a.delayMs = Between(0, kWidestAimMs);
        return a;
    }
    const int p = Percent();
    a.delayMs = p < 50 ? Between(0, 400) : p < 85 ? Between(400, 3000) : Between(3000, 15000);
    return a;
}

// The program's state steers the choice: a box open is answered, an open menu is used.
Action Run::Choose() {
    const TForm* modal = Application->ModalForm();
    const int p = Percent();
    if (modal && p < 90) {
        if (modal == NameEingabeDlg) return p < 80 ? Timed(Act::TypeName, Between(0, static_cast<int>(std::size(kNames)) - 1)) : Timed(Act::No);
        return Timed(p < 55 ? Act::Yes : Act::No);
    }
    if (MenueDlg->IsShown() && p < 75) {
        const int q = Percent();
        if (q < 45) return Timed(Act::Deposit, Between(0, 11));
        static constexpr Act kMenu[] = {Act::MenuOk, Act::MenuOk, Act::MenuOk, Act::Payout, Act::Payout,
                                        Act::RiskSwitch, Act::AutoSwitch, Act::LogSwitch, Act::Statistics,
                                        Act::MenuQuit};
        return Timed(kMenu[rng_() % std::size(kMenu)]);
    }
    static constexpr std::pair<Act, int> kMain[] = {
        {Act::Start, 22}, {Act::ReelStop, 14}, {Act::StopLeft, 10}, {Act::StopRight, 10}, {Act::StopLeftTwice, 4},
        {Act::StopRightTwice, 4}, {Act::Menu, 16}, {Act::Escape, 3}, {Act::F2, 3}, {Act::Wait, 9},
        {Act::ResolutionChange, 1}, {Act::Close, 1}, {Act::Terminate, 1}, {Act::Yes, 1}, {Act::No, 1}};
    int pick = Between(0, 98);
    for (const auto& [act, weight] : kMain) {
        if (pick < weight) return Timed(act);
        pick -= weight;
    }
    return Timed(Act::Wait);
}

void Run::Perform(const Action& a) {
    TForm1& f = *f_;
    HeadlessHarness& h = H();
    const bool wayOut = a.act == Act::Terminate || a.act == Act::Close;
    if (wayOut && (stages_ & StageBit(Stage::Payout))) payoutCut_ = true;
    const TForm* modal = Application->ModalForm();
    const bool question = modal && modal->Caption() == "Bestätigung";
    switch (a.act) {
        case Act::Wait: break;
        case Act::Deposit:
            h.ClickControl(*(MenueDlg->*kDenominations[static_cast<std::size_t>(a.param % 12)].picture));
            break;
        case Act::Start: h.ClickControl(*f.StartBtn); break;
        case Act::ReelStop: h.ClickControl(*f.StopWalzenBtn); break;
        case Act::StopLeft: h.ClickControl(*f.StopBtn1); break;
        case Act::StopRight: h.ClickControl(*f.StopBtn2); break;
        case Act::StopLeftTwice:
            h.ClickControl(*f.StopBtn1);
            h.ClickControl(*f.StopBtn1, 60);
            break;
        case Act::StopRightTwice:
            h.ClickControl(*f.StopBtn2);
            h.ClickControl(*f.StopBtn2, 60);
            break;
        case Act::Menu: h.ClickControl(*f.MenueBtn); break;
        case Act::MenuOk: h.ClickControl(*MenueDlg->CancelBtn); break;
        case Act::Payout: h.ClickControl(*MenueDlg->ButtonGibsGeldHer); break;
        case Act::RiskSwitch: h.ClickControl(*MenueDlg->ButtonRisiko); break;
        case Act::AutoSwitch: h.ClickControl(*MenueDlg->AutoStartCheckBox); break;
        case Act::LogSwitch: h.ClickControl(*MenueDlg->LogDateiSpeichern); break;
        case Act::Statistics:
            if (auto* button = dynamic_cast<TControl*>(MenueDlg->FindComponent("StatistikBtn"))) h.ClickControl(*button);
            break;
        case Act::Escape: h.Key(VK_ESCAPE); break;
        case Act::MenuQuit: h.ClickControl(*MenueDlg->Button2); break;
        case Act::F2: h.Key(VK_F2); break;
        case Act::Yes: h.Key(question ? 'J' : VK_RETURN); break;
        case Act::No: h.Key(question ? 'N' : VK_ESCAPE); break;
        case Act::TypeName:
            h.Type(kNames[static_cast<std::size_t>(a.param) % std::size(kNames)]);
            h.Key(VK_RETURN, 10);
            break;
        case Act::ResolutionChange:
            screenChanged_ = !screenChanged_;
            h.Backend().SetScreenSize(screenChanged_ ? TPoint{1024, 768} : TPoint{1280, 1024});
            h.Focus(f_, false);
            h.Focus(f_, true, 10);
            break;
        case Act::Close: h.Backend().Post(InputEvent::Of(InputEvent::CloseRequest, f.Window())); break;
        case Act::Terminate: h.Backend().Post(InputEvent::Of(InputEvent::Quit, 0)); break;
        case Act::Count: break;
    }
}

// What must hold at every moment.
void Run::CheckAlways() {
    const TForm1& f = *f_;
    if (f.GewinnLeiste00Timer->Enabled() && f.GewinnLeisteTimer2->Enabled()) Find("beide Leitertakte laufen");
    if ((f.GewinnLeiste00Timer->Enabled() || f.GewinnLeisteTimer2->Enabled()) && !f.Game.LadderRunning)
        Find("ein Leitertakt läuft ohne Leiter");
    if (!f.Money.Refusals().empty()) Find("Buchung abgelehnt: " + f.Money.Refusals().front());
    props_.LadderState(f.Game.LadderRunning);
    WatchThrowOut();
}

// A player counts the pieces the shark throws; the book must have paid each one.
void Run::WatchThrowOut() {
    const TImage& piece = *f_->AuszahlungsImage;
    if (!(stages_ & StageBit(Stage::Payout)) || !piece.Visible()) {
        lastPieceTop_ = -1;
        return;
    }
    if (lastPieceTop_ < 0 || piece.Top() < lastPieceTop_) ++piecesSeen_;
    lastPieceTop_ = piece.Top();
}

bool Shows(const TImage& image, const TImage& source) {
    return image.Picture().Bitmap().Pixels() == source.Picture().Bitmap().Pixels();
}

// Before each action: what the player sees agrees with the book and the ladders.
void Run::CheckFully() {
    TForm1& f = *f_;
    TImage& display = *f.SpielGeldSpeicherAnzeige;
    const int x = f.Program.SpielgeldTextX, y = f.Program.SpielgeldTextY;
    const EuroDecimal& credit = f.Money.Spielgeld();
    if (!DisplayShows(display, x, y, FormatWithMask(credit, "########0,00"), 0) &&
        !DisplayShows(display, x, y, FormatWithMask(credit, "########0,0"), 0))
        Find("die Anzeige zeigt nicht das Guthaben " + credit.ToFixed(2));
    const bool show = f.Program.RuhePhaseAktiv || (f.Attract.StepTimer && f.Attract.StepTimer->Enabled());
    if (f.Game.LadderRunning || show) return;
    for (Ladder ladder : kBothLadders)
        for (int field = 0; field < kLadderFieldCount; ++field) {
            const LadderField& l = FieldOf(ladder, field);
            if (Shows(*(f.*l.shown), *(f.*l.yellow))) Find(std::string("Lampe ") + std::string(l.name) + " leuchtet ohne Leiter");
        }
}

// Every piece thrown is booked, and once the whole list is thrown nothing is left.
void Run::CheckThrowOut(const LedgerMeters& meters, const LedgerBalances& end) {
    if (!accountClosed_) return;
    const EuroDecimal net = closedCredit_ - closedDebt_;
    const std::size_t listed = net.Sign() > 0 ? PayoutPieceNames(net.ToFixed(2)).size() : 0;
    const bool inFlight = payoutCut_ && meters.pieces == piecesSeen_ - 1;
    if (piecesSeen_ != meters.pieces && !inFlight)
        Find(std::to_string(piecesSeen_) + " Stücke geworfen, " + std::to_string(meters.pieces) + " gebucht");
    if (!payoutCut_ && listed > 0 && static_cast<std::size_t>(piecesSeen_) == listed && end.Spielgeld.Sign() != 0)
        Find("nach der Auszahlung bleiben " + end.Spielgeld.ToFixed(2) + " Euro Guthaben");
}

void Run::CheckEnd() {
    TForm1& f = *f_;
    const bool logOn = DebtLogSwitchedOn();
    const std::string name = f.Program.SpielerName;
    const Ledger::State state = f.Money.GetState();
    const LedgerBalances end = f.Money.Balances();
    const LedgerMeters meters = f.Money.Meters();
    if (state == Ledger::State::Payout && accountClosed_ && props_.Owing()) Find("Auszahlung, während ein Gewinn offen ist");
    const std::filesystem::path history = HistoryFile(false, f.Program.IniDateiName);
    CheckThrowOut(meters, end);
    program_.Stop();

    // The debt log: one for a payout that settled, one for a quit that owes; none otherwise.
    std::vector<std::string> logs;
    for (const auto& entry : std::filesystem::directory_iterator(program_.folder.path()))
        if (entry.path().extension() == ".txt") {
            std::ifstream in(entry.path());
            logs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    std::string expected;
    if (accountClosed_) {
        const EuroDecimal net = closedCredit_ - closedDebt_;
        expected = net.Sign() < 0 ? (-net).ToFixed(2) + " Euro Schulden" : net.ToFixed(2) + " Euro Guthaben";
    } else if (state == Ledger::State::Closed && end.Schulden.Sign() != 0) {
        expected = end.Schulden.ToFixed(2) + " Euro Schulden";
    }
    const std::size_t owed = logOn && !expected.empty() ? 1 : 0;
    if (logs.size() != owed)
        Find(std::to_string(logs.size()) + " Schulden-Protokolle statt " + std::to_string(owed) +
             (expected.empty() ? "" : " (" + expected + ")"));
    else if (owed == 1 && logs[0].find(" " + expected + " beim Tresolo gemacht!\r\n") == std::string::npos)
        Find("das Protokoll sagt \"" + logs[0] + "\" statt " + expected);

    // What the next start finds.
    const settings::CashBox stored = settings::CashBoxFromStored(program_.Registry("Software\\TresoloKasse", "KA"));
    if (stored.amount != EuroDecimal::Parse(end.Automatenkasse.ToFixed(2)))
        Find("gespeicherte Kasse " + stored.amount.ToFixed(2) + " statt " + end.Automatenkasse.ToFixed(2));
    // The INI file keeps no blanks around a value.
    if (!TrimBlanks(name).empty() && program_.Ini("SpielerName") != TrimBlanks(name))
        Find("gespeicherter Name \"" + program_.Ini("SpielerName") + "\" statt \"" + name + "\"");
    PlayFigures totals;
    if (std::filesystem::exists(history)) totals = PlayHistory(history, 0).Totals();
    const auto expect = [&](const char* what, std::int64_t recorded, std::int64_t booked) {
        if (recorded != booked)
            Find(std::string("Statistik: ") + what + " " + std::to_string(recorded) + " statt " + std::to_string(booked));
    };
    expect("bezahlte Spiele", totals.paidGames, meters.paidGames);
    expect("Sonderspiele", totals.specialGames, meters.specialGames);
    expect("Einsatz", totals.stakedCents, Cents(meters.staked));
    expect("Gewinn", totals.wonCents, Cents(meters.creditedMoney));
    expect("gewonnene Sonderspiele", totals.specialWon, Cents(meters.specialWon) / 100);
    expect("Einzahlungen", totals.deposits, meters.deposits);
    expect("eingezahlt", totals.depositCents, Cents(meters.deposited));
    expect("Auszahlungen", totals.payouts, accountClosed_ ? 1 : 0);
}

}  // namespace

Result PlayRandom(std::uint64_t seed, int length, Order& played) {
    Run run({}, seed, length);
    Result r = run.Go();
    played = run.Played();
    return r;
}

Result Play(const Order& order) { return Run(order, std::nullopt, 0).Go(); }

Order Shrink(const Order& failing) {
    Order best = failing;
    for (std::size_t chunk = std::max<std::size_t>(1, best.actions.size() / 2); chunk >= 1; chunk /= 2) {
        for (std::size_t i = 0; i < best.actions.size();) {
            Order candidate = best;
            auto from = candidate.actions.begin() + static_cast<std::ptrdiff_t>(i);
            candidate.actions.erase(from, from + static_cast<std::ptrdiff_t>(std::min(chunk, best.actions.size() - i)));
            if (Play(candidate).failed())
                best = candidate;
            else
                i += chunk;
        }
        if (chunk == 1) break;
    }
    return best;
}

std::string Describe(const Action& a) {
    std::ostringstream out;
    out << kActNames[static_cast<int>(a.act)];
    if (a.act == Act::Deposit) out << ' ' << kDenominations[static_cast<std::size_t>(a.param % 12)].amount;
    if (a.aim != Aim::None) out << " @" << kAimNames[static_cast<int>(a.aim)];
    out << " +" << a.delayMs << " ms";
    return out.str();
}

std::string Describe(const Order& order) {
    std::ostringstream out;
    const Setup& s = order.setup;
    out << "Startwert " << order.seed << (s.autostart ? ", Automatik" : ", von Hand")
        << (s.risk ? ", Risikospiel ein" : ", Risikospiel aus") << (s.reminder ? ", Erinnerung jede Minute" : "")
        << (s.depositLimit ? ", Limit 60 Euro" : "") << ", Guthaben " << s.startCredit << ", Sonderspiele "
        << s.startSpecialGames << '\n';
    for (std::size_t i = 0; i < order.actions.size(); ++i) out << "  " << i + 1 << ". " << Describe(order.actions[i]) << '\n';
    return out.str();
}

Order FromBytes(const std::uint8_t* data, std::size_t size) {
    Order order;
    if (size == 0) return order;
    const std::uint8_t s = data[0];
    order.setup = {(s & 1) != 0, (s & 2) == 0, (s & 4) != 0, (s & 8) != 0, (s & 16) ? 5 : 0, (s & 32) ? 3 : 0};
    for (std::size_t i = 1; i + 2 < size && order.actions.size() < 60; i += 3) {
        Action a;
        a.act = static_cast<Act>(data[i] % static_cast<int>(Act::Count));
        a.param = data[i + 1] % 12;
        a.aim = static_cast<Aim>((data[i + 2] >> 5) % static_cast<int>(Aim::Count));
        a.delayMs = (data[i + 2] & 31) * (a.aim == Aim::None ? 150 : 25);
        order.actions.push_back(a);
    }
    return order;
}

}  // namespace explorer
