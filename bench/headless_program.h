#pragma once
// The whole program on a headless application with a virtual clock, in a scratch folder
// of its own with its own per-user store, for the benchmarks that play in virtual time.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "machine/program.h"
#include "support/profile_string.h"
#include "support/user_store_path.h"
#include "toolkit/headless/harness.h"

class HeadlessProgram {
public:
    // Without `history` the program keeps no play history.
    explicit HeadlessProgram(const std::string& name, bool history = true)
        : folder_(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        SetUserStorePath(folder_ / "store.ini");
        // A machine plays for hours: nobody would answer the play-time reminder.
        WritePrivateProfileString("Spielerschutz", "ErinnerungMinuten", "0", folder_ / "Tresolo.ini");
        harness_.emplace();
        PlatformServices services;
        services.keepPlayHistory = history;
        services.cpuClock.readCounter = [] { return std::optional<std::uint64_t>(0); };
        services.cpuClock.sleep = [](int) {};
        CreateTresoloWindows(harness_->App(), services);
        Form1->Show();
    }
    ~HeadlessProgram() {
        harness_.reset();
        SetUserStorePath({});
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder_);
    }
    HeadlessHarness& Harness() { return *harness_; }

    // Settles the start, then makes the machine play by itself: sound off, the name already
    // asked, the given credit, the shark swimming or resting (it costs more wall time than
    // the games).
    TForm1& PrepareAutomaticPlay(std::int64_t euros, bool shark) {
        harness_->RunFor(100);
        TForm1& f = *Form1;
        MenueDlg->PC_LautsprHoeren->SetChecked(false);
        f.Game.ErsterMenueAufruf = false;
        f.Money.Spielgeld = EuroDecimal::FromInteger(euros);
        f.Timer4->SetEnabled(shark);
        return f;
    }

private:
    std::filesystem::path folder_;
    std::optional<HeadlessHarness> harness_;
};
