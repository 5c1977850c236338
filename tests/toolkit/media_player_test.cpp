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
    EXPECT_EQ(player.Play().status, WaveStatus::Missing);
    WriteBytes(folder / "Muenze.WAV", "kein Klang, nur Text");
    const WaveResult damaged = player.Play();
    EXPECT_EQ(damaged.status, WaveStatus::Damaged);
    EXPECT_NE(damaged.error.find("Muenze.WAV"), std::string::npos);
    std::filesystem::copy_file(std::filesystem::path(TRESOLO_SOURCE_DIR) / "assets" / "Muenze.WAV",
                               folder / "Muenze.WAV", std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(player.Play().status, WaveStatus::Ok);
}
