// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden media player plays the file it holds.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"
#include "toolkit/media_player.h"

// A missing file is silence; a damaged one names itself; a good one plays.
TEST(MediaPlayer, PlaysItsFileAndSaysWhatWasWrong) {
    TempFolder folder;
    TMediaPlayer player(nullptr);
    player.FileName = (folder / "Muenze.WAV").string();
    EXPECT_TRUE(player.Play().Missing());
    WriteBytes(folder / "Muenze.WAV", "kein Klang, nur Text");
    const Outcome damaged = player.Play();
    EXPECT_FALSE(damaged.ok || damaged.Missing());
    EXPECT_NE(damaged.reason.find("Muenze.WAV"), std::string::npos);
    std::filesystem::copy_file(std::filesystem::path(TRESOLO_SOURCE_DIR) / "assets" / "Muenze.WAV",
                               folder / "Muenze.WAV", std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(player.Play().ok);
}
