// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program (main window and both dialogs) on a headless application with a
// virtual clock, started in a fresh working folder with its own per-user store: for the
// tests, and for the benchmarks that play in virtual time.
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "machine/form1.h"
#include "machine/menue_dlg.h"
#include "program/windows.h"
#include "tests/machine/account.h"
#include "support/profile_string.h"
#include "support/tstregini.h"
#include "support/user_store_path.h"
#include "tests/support/temp_folder.h"
#include "toolkit/headless/harness.h"
#include "toolkit/label.h"

// Sitting in a folder (working folder) until destroyed; with `settingsToo` it is the
// settings folder ($XDG_CONFIG_HOME) as well.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder, bool settingsToo = false)
        : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
        if (settingsToo) ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~WorkingFolder() { std::filesystem::current_path(old_); }

private:
    std::filesystem::path old_;
};

// The processor clock of every program a test starts: no 500 ms of real time per start.
inline PlatformServices WithQuietCpuClock(PlatformServices s = {}) {
    s.cpuClock.readCounter = [] { return std::optional<std::uint64_t>(0); };
    s.cpuClock.sleep = [](int) {};
    return s;
}

inline std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_hour = 22;
    t.tm_min = 39;
    return t;
}

// Services that cost no real time and touch nothing outside the test.
// The one-line labels of a window whose box is narrower or lower than their text: the
// player would see the text cut. Each as "name: text".
inline std::vector<std::string> CutLabels(TForm& form) {
    std::vector<std::string> cut;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* label = dynamic_cast<TLabel*>(form.Components(i));
        if (!label || label->WordWrap) continue;
        const TextExtent e = FontEngine::Instance().Measure(label->Font(), label->Caption());
        if (label->Width() < e.width || label->Height() < e.height)
            cut.push_back(label->Name() + ": " + label->Caption());
    }
    return cut;
}

inline PlatformServices QuietServices() {
    PlatformServices s = WithQuietCpuClock();
    s.queryOsVersion = [] { return ParseKernelRelease("Linux", "6.1.0-18-amd64"); };
    s.localTime = FixedTime;
    s.internetConnected = [] { return false; };
    s.openDocument = [](const std::string&, NoViewerCall) { return true; };
    s.installedDataDir = [] { return std::filesystem::path(); };  // run as from a build folder
    return s;
}

// Services for a machine that plays by itself: the host's clock and services, the play history
// as asked, and no processor measurement.
inline PlatformServices AutomaticServices(bool history) {
    PlatformServices s = WithQuietCpuClock();
    s.keepPlayHistory = history;
    return s;
}

// The main window alone, with the host's other services, in a fresh working and settings
// folder so that no test sees another's files.
class SceneWindow {
public:
    // Through the program's own form variable, which the dialogs reach it by.
    SceneWindow() { form = harness.App().CreateForm(Form1, WithQuietCpuClock()); }

    // Destroyed in reverse: the window saves while the folder is still entered.
    TempFolder folder;
    WorkingFolder entered{folder.path(), true};
    HeadlessHarness harness;
    TForm1* form = nullptr;
};

class StartedProgram {
public:
    StartedProgram() : store(home / "registry.ini") { SetUserStorePath(store); }
    ~StartedProgram() {
        Stop();
        SetUserStorePath({});
    }

    // Creates the three windows in the working folder and shows the main window.
    void Start(PlatformServices services = QuietServices()) {
        harness = std::make_unique<HeadlessHarness>();
        CreateTresoloWindows(harness->App(), std::move(services));
        Form1->Show();
    }
    // A machine plays for hours: nobody would answer the play-time reminder.
    void StartAutomatic(bool history = true) {
        WritePrivateProfileString("Spielerschutz", "ErinnerungMinuten", "0", folder / "Tresolo.ini");
        Start(AutomaticServices(history));
    }
    // Settles the start, then makes the machine play by itself: sound off, the name already
    // asked, the given credit, the shark swimming or resting (it costs more wall time than
    // the games).
    TForm1& PrepareAutomaticPlay(std::int64_t euros, bool shark) {
        harness->RunFor(100);
        TForm1& f = *Form1;
        MenueDlg->PC_LautsprHoeren->SetChecked(false);
        f.Game.ErsterMenueAufruf = false;
        account::Set(f.Money, &LedgerBalances::Spielgeld, EuroDecimal::FromInteger(euros));
        f.Timer4->SetEnabled(shark);
        return f;
    }
    // Ends the program: the windows are destroyed and the main window saves.
    void Stop() { harness.reset(); }

    std::string Ini(const char* key) const {
        return GetPrivateProfileString("Einstellungen", key, "", folder / "Tresolo.ini");
    }
    void SetIni(const char* key, const std::string& value) const {
        WritePrivateProfileString("Einstellungen", key, value, folder / "Tresolo.ini");
    }
    std::string Registry(const char* key, const char* value) const {
        TStRegIni reg("C_USERS", store);
        reg.SetCurSubKey(key);
        return reg.ReadString(value, "<none>");
    }
    void SetRegistry(const char* key, const char* value, const std::string& text) const {
        TStRegIni reg("C_USERS", store);
        reg.SetCurSubKey(key);
        reg.WriteString(value, text);
    }
    std::string Folder() const { return folder.path().string() + "/"; }

    TempFolder folder;
    TempFolder home;
    std::filesystem::path store;
    WorkingFolder entered{folder.path()};
    std::unique_ptr<HeadlessHarness> harness;
};
