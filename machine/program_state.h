// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State of the program shell: start-up, screen watch, installation folder, player, clock.
#include <cstdint>
#include <set>
#include <string>

struct ProgramState {
    std::string WindowsVersionText;
    bool WindowsVersionOK = false;
    int StartBildschirmHoehe = 0;
    int StartBildschirmBreite = 0;
    bool AufloesungGeaendert = false;
    bool AnwendungInaktiv = false;
    bool RuhePhaseAktiv = false;
    bool ErstesZeichnen = true;
    int CPUTaktMHz = 0;
    int KachelBreite = 0;
    int KachelHoehe = 0;
    int SpielgeldTextX = 0;
    int SpielgeldTextY = 0;
    std::string AnwendungsPfad;   // ends in the path separator, or empty
    std::string IniDateiName;     // AnwendungsPfad + "Tresolo.ini"; an install's lies beside the store
    std::string DataPath;        // an install's data folder with the separator; empty in a build folder
    std::string SpielerName;      // at most 20 characters
    std::string AutomatenkasseText;
    bool CoinSoundFailureShown = false;  // the damaged coin sound was shown once this run
    // Files whose failed write the player was told of in this run.
    std::set<std::string> WriteFailuresShown;

    // The clock, renewed every second.
    double Uhrzeit = 0;           // time of day in days
    std::string DatumText;        // 06.12.2026
    std::string UhrzeitText;      // 22:39:00
};
