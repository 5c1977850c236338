// The speaker switch in front of the tones, and the coin sound's missing or damaged file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "platform/audio_device.h"
#include "shell/menue_dlg.h"
#include "tests/game/scene_window.h"

namespace {

struct SoundTest : ::testing::Test {
    SceneWindow w;
    TForm1& f = *w.form;
    void WithMenu(bool speakerOn) {
        w.harness.App().CreateForm(MenueDlg);
        MenueDlg->PC_LautsprHoeren->SetChecked(speakerOn);
    }
    ~SoundTest() override { MenueDlg = nullptr; }  // the dialog goes with the harness
};

// Real milliseconds that a tone call keeps the caller waiting.
long long BlockedMs(TForm1& f, int hz, int ms) {
    const auto start = std::chrono::steady_clock::now();
    f.PiepsePCLautsprecher(hz, ms);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// False only when a tone is queued on the sound output.
bool ToneVoiceIdle() {
    bool idle = true;
    WithAudioVoices([&](AudioVoices& voices) { idle = voices.tone.Idle(); });
    return idle;
}

}  // namespace

// Unticked, a tone is neither heard nor waited for; ticked, the call lasts the tone.
TEST_F(SoundTest, SpeakerSwitchDecidesBetweenSilenceAndABlockingTone) {
    WithMenu(false);
    EXPECT_LT(BlockedMs(f, 400, 3000), 500);
    EXPECT_TRUE(ToneVoiceIdle());
    MenueDlg->PC_LautsprHoeren->SetChecked(true);
    EXPECT_GE(BlockedMs(f, 800, 120), 120);
}

TEST_F(SoundTest, NoToneBeforeTheMenuExists) {
    EXPECT_LT(BlockedMs(f, 500, 3000), 500);
}

TEST_F(SoundTest, CoinSoundIsLookedUpInTheWorkingFolder) {
    f.MuenzGeraeuschAbspielen();  // no file: silence and no message
    EXPECT_EQ(std::filesystem::path(f.MediaPlayer1->FileName), w.folder.path() / "Muenze.WAV");
    std::filesystem::copy_file(std::filesystem::path(TRESOLO_SOURCE_DIR) / "assets" / "Muenze.WAV",
                               w.folder.path() / "Muenze.WAV");
    EXPECT_NO_THROW(f.MuenzGeraeuschAbspielen());
    w.harness.RunFor(100);
    EXPECT_TRUE(w.harness.MessageBoxes().empty());
}

// A file of that name that is no wave sound reaches the error display, and the
// program goes on.
TEST_F(SoundTest, DamagedCoinSoundIsShownAndTheGameGoesOn) {
    WriteBytes(w.folder.path() / "Muenze.WAV", "kein Klang, nur Text");
    EXPECT_THROW(f.MuenzGeraeuschAbspielen(), std::runtime_error);
    w.harness.App().QueueCall([&] { f.MuenzGeraeuschAbspielen(); });
    w.harness.Key(VK_RETURN, 50);
    EXPECT_TRUE(w.harness.RunFor(200));
    ASSERT_EQ(w.harness.MessageBoxes().size(), 1u);
    EXPECT_NE(w.harness.MessageBoxes()[0].second.find("Muenze.WAV"), std::string::npos);
    EXPECT_TRUE(w.harness.RunFor(1000));
}
