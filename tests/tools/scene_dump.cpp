// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the main window as the program composes it after its first paint, started
// headless in the current folder: the picture the real window must show.
// Usage: scene_dump OUT.bmp
#include <iostream>

#include "codecs/bmp.h"
#include "machine/form1.h"
#include "program/windows.h"
#include "support/atomic_file.h"
#include "tests/machine/started_program.h"
#include "toolkit/headless/harness.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scene_dump OUT.bmp\n";
        return 2;
    }
    HeadlessHarness harness;
    CreateTresoloWindows(harness.App(), WithQuietCpuClock());
    Form1->Show();
    harness.RunFor(200);
    std::vector<std::uint8_t> bmp = EncodeBmp(Form1->Frame());
    Outcome out = WriteFileAtomically(argv[1], std::string(bmp.begin(), bmp.end()));
    if (!out) {
        std::cerr << out.reason << '\n';
        return 1;
    }
    return 0;
}
