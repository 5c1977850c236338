// SPDX-License-Identifier: GPL-3.0-or-later
// The program killed (SIGKILL) at random moments while it starts, saves and pays out, a
// hundred times: the INI file and the per-user store are always whole, the stored cash box is
// always the amount before or after the payout that ran, and no temporary file outlives the
// next write.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <sstream>
#include <thread>

#include "machine/settings_store.h"
#include "tests/machine/started_program.h"

namespace {

constexpr int kKills = 100;
constexpr const char* kPayout = "0,10";

// Lines after the settings, so that a file cut short loses them and a write takes a while.
std::string Padding(const char* section) {
    std::string text = "[" + std::string(section) + "]\n";
    for (int i = 0; i < 600; ++i) text += "Zeile" + std::to_string(i) + "=\"Seetang und Muscheln " + std::to_string(i) + "\"\n";
    return text;
}
const std::string kIniPadding = Padding("Notizen");
const std::string kStorePadding = Padding("Software\\Notizen");

std::string PlayerName(int round) { return "Spieler" + std::to_string(round); }

std::string DebtLogLineOf(int round) {
    return PlayerName(round) + " hat am 06.12.2026 22:39:00 " + kPayout + " Euro Guthaben beim Tresolo gemacht!\r\n";
}

EuroDecimal StoredCashBox() { return settings::CashBoxFromStored(settings::ReadCashBoxText()).amount; }
std::string StoredPlayer() { return settings::ReadIniKey("Tresolo.ini", settings::kPlayerKey); }

// One program after another, each started afresh in the working folder: it records its
// folder, switches the sound, and pays out 0,10 (the name and the cash box are written, the
// debt log, then the end of the program writes both again). Before each start it writes
// "round name-before cash-box-before cash-box-after" to `announce`.
[[noreturn]] void PayOutForever(int firstRound, int announce) {
    try {
        for (int round = firstRound;; ++round) {
            const EuroDecimal old = StoredCashBox();
            const std::string line = std::to_string(round) + " " + StoredPlayer() + " " + old.ToFixed(2) + " " +
                                     (old - EuroDecimal::Parse(kPayout)).ToFixed(2) + "\n";
            if (::write(announce, line.data(), line.size()) != static_cast<ssize_t>(line.size())) ::_exit(3);
            HeadlessHarness h;
            CreateTresoloWindows(h.App(), QuietServices());
            Form1->Show();
            h.RunFor(1100);  // the first paint, and the clock has ticked
            MenueDlg->PC_LautsprHoeren->SetChecked(round % 2 == 0);
            Form1->Program.SpielerName = PlayerName(round);
            Form1->Game.ErsterMenueAufruf = false;
            SetCredit(Form1->Money, kPayout);
            h.ClickControl(*Form1->MenueBtn);
            h.RunFor(100);
            h.ClickControl(*MenueDlg->ButtonGibsGeldHer);
            h.Key(VK_RETURN, 1200);  // the result's message
            if (h.RunFor(10000)) ::_exit(4);  // the payout ends the program
        }
    } catch (const std::exception& e) {
        std::cerr << "payout loop: " << e.what() << '\n';
    }
    ::_exit(2);
}

struct Announced {
    int round = 0;
    std::string player, old, now;
};

// Everything the killed program announced; the last round it started.
Announced LastAnnounced(int fd) {
    std::string all;
    char chunk[4096];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) all.append(chunk, static_cast<std::size_t>(got));
    Announced last;
    std::istringstream lines(all);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        fields >> last.round >> last.player >> last.old >> last.now;
    }
    return last;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) == 1;
}

class KilledPayout : public ::testing::Test {
protected:
    KilledPayout() {
        WriteBytes(program.folder / "tresolo", "");
        WriteBytes(program.folder / "Tresolo.ini", "[Einstellungen]\nSpielerName=Start\nSound=1\n" + kIniPadding);
        std::filesystem::create_directories(program.store.parent_path());
        WriteBytes(program.store, "[Software\\Tresolo]\n@=\"\"\nInstallPfad=\"\"\n[Software\\TresoloKasse]\nKA=\"1000 00\"\n" +
                                      kStorePadding);
    }

    // Starts the payouts, kills them after `delayUs` of their first start, and returns
    // the last round announced.
    Announced KillAfter(std::chrono::microseconds delay) {
        const int firstRound = last_.round + 1;
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            PayOutForever(firstRound, fds[1]);
        }
        ::close(fds[1]);
        EXPECT_TRUE(WaitReadable(fds[0], 30000)) << "the program did not start";
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the program ended by itself: " << status;
        const Announced last = LastAnnounced(fds[0]);
        ::close(fds[0]);
        if (last.round != 0) last_ = last;
        return last_;
    }

    // The INI file and the store are whole and hold the values before or after the round.
    void ExpectWhole(const Announced& round) {
        const std::string ini = ReadBytes(program.folder / "Tresolo.ini");
        ASSERT_TRUE(ini.ends_with(kIniPadding)) << "INI file torn: " << ini.size() << " bytes";
        const std::string name = program.Ini("SpielerName");
        EXPECT_TRUE(name == round.player || name == PlayerName(round.round)) << name << " in round " << round.round;
        const std::string sound = program.Ini("Sound");
        EXPECT_TRUE(sound == "0" || sound == "1") << sound;
        const std::string store = ReadBytes(program.store);
        ASSERT_TRUE(store.ends_with(kStorePadding)) << "store torn: " << store.size() << " bytes";
        const std::string cashBox = StoredCashBox().ToFixed(2);
        EXPECT_TRUE(cashBox == round.old || cashBox == round.now)
            << "cash box " << cashBox << " in round " << round.round << " from " << round.old << " to " << round.now;
        const auto log = program.folder / (PlayerName(round.round) + " 06_12_2026 22_39_00.txt");
        if (std::filesystem::exists(log)) {
            EXPECT_EQ(ReadBytes(log), DebtLogLineOf(round.round));
        }
    }

    // Temporaries of the INI file and the store in their folders.
    int Temporaries() const {
        int count = 0;
        for (const auto& folder : {program.folder.path(), program.store.parent_path()})
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                const std::string name = entry.path().filename().string();
                count += name.starts_with(".Tresolo.ini.") || name.starts_with(".registry.ini.");
            }
        return count;
    }

    StartedProgram program;
    Announced last_;
};

TEST_F(KilledPayout, FilesStayWholeAndTheCashBoxIsOldOrNew) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    // Any moment of a round, at this build's speed, measured on a first run that is killed late.
    const auto start = std::chrono::steady_clock::now();
    const Announced first = KillAfter(std::chrono::milliseconds(1000));
    ExpectWhole(first);
    const auto round = (std::chrono::steady_clock::now() - start) / std::max(first.round, 1);
    std::uniform_int_distribution<long> moment(0, std::chrono::duration_cast<std::chrono::microseconds>(round).count());
    int midWrite = 0;
    for (int kill = 1; kill < kKills && !HasFailure(); ++kill) {
        const Announced last = KillAfter(std::chrono::microseconds(moment(rng)));
        ExpectWhole(last);
        midWrite += Temporaries() > 0;
    }
    // One more write of each file clears what the killed writers left.
    settings::WriteCashBoxText(settings::CashBoxTextAtExit(StoredCashBox()));
    settings::WriteIniKey((program.folder / "Tresolo.ini").string(), settings::kSoundKey, "1");
    EXPECT_EQ(Temporaries(), 0);
    std::cout << kKills << " kills in " << last_.round << " rounds, " << midWrite << " of them left a temporary\n";
}

}  // namespace
