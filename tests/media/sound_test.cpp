// SPDX-License-Identifier: GPL-3.0-or-later
// The speaker switch in front of the tones, and the coin sound's missing or damaged file.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/audio_device.h"
#include "machine/menue_dlg.h"
#include "toolkit/application.h"
#include "toolkit/timer.h"
#include "tests/machine/started_program.h"

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

// Milliseconds of the application's clock that a tone call keeps the caller waiting.
long long BlockedMs(TForm1& f, int hz, int ms) {
    const long long start = Application->GetClock().NowMs();
    f.PiepsePCLautsprecher(hz, ms);
    return Application->GetClock().NowMs() - start;
}

// False only when a tone is queued on the sound output.
bool ToneVoiceIdle() {
    bool idle = true;
    WithAudioVoices([&](AudioVoices& voices) { idle = voices.tone.Idle(); });
    return idle;
}

}  // namespace

// Unticked, a tone is neither heard nor waited for; ticked, the call lasts exactly the
// tone, and nothing is dispatched while it sounds.
TEST_F(SoundTest, SpeakerSwitchDecidesBetweenSilenceAndABlockingTone) {
    WithMenu(false);
    EXPECT_EQ(BlockedMs(f, 400, 3000), 0);
    EXPECT_TRUE(ToneVoiceIdle());
    MenueDlg->PC_LautsprHoeren->SetChecked(true);
    int ticks = 0;
    auto* timer = new TTimer(&w.harness.App());
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_EQ(BlockedMs(f, 800, 120), 120);
    EXPECT_EQ(ticks, 0);
}

TEST_F(SoundTest, NoToneBeforeTheMenuExists) {
    EXPECT_EQ(BlockedMs(f, 500, 3000), 0);
}

TEST_F(SoundTest, CoinSoundIsLookedUpInTheWorkingFolder) {
    f.PlayCoinSound();  // no file: silence and no message
    EXPECT_EQ(std::filesystem::path(f.MediaPlayer1->FileName), w.folder.path() / "Muenze.WAV");
    std::filesystem::copy_file(std::filesystem::path(TRESOLO_SOURCE_DIR) / "assets" / "Muenze.WAV",
                               w.folder.path() / "Muenze.WAV");
    EXPECT_NO_THROW(f.PlayCoinSound());
    w.harness.RunFor(100);
    EXPECT_TRUE(w.harness.MessageBoxes().empty());
}

// A file of that name that is no wave sound reaches the error display once a run, from the
// loop: the call itself returns, so that the deposit whose coin rang is booked.
TEST_F(SoundTest, DamagedCoinSoundIsShownAndTheGameGoesOn) {
    WriteBytes(w.folder.path() / "Muenze.WAV", "kein Klang, nur Text");
    EXPECT_NO_THROW(f.PlayCoinSound());
    EXPECT_NO_THROW(f.PlayCoinSound());
    w.harness.Key(VK_RETURN, 50);
    EXPECT_TRUE(w.harness.RunFor(200));
    ASSERT_EQ(w.harness.MessageBoxes().size(), 1u);
    EXPECT_NE(w.harness.MessageBoxes()[0].second.find("Muenze.WAV"), std::string::npos);
    w.harness.App().QueueCall([&] { f.PlayCoinSound(); });
    EXPECT_TRUE(w.harness.RunFor(1000));
    EXPECT_EQ(w.harness.MessageBoxes().size(), 1u);
}

// A machine without any sound output (no sound card, no sound server): the game says so
// once on stderr, tones still take their time, and the coin sound is silence, not an error.
TEST_F(SoundTest, WithoutASoundOutputTheGameIsSilentAndKeepsItsPace) {
    ShutdownAudio();
    ::testing::internal::CaptureStderr();
    if (WithAudioVoices([](AudioVoices&) {})) {
        ::testing::internal::GetCapturedStderr();
        GTEST_SKIP() << "this machine has a sound output";
    }
    WithMenu(true);
    EXPECT_EQ(BlockedMs(f, 400, 200), 200);
    EXPECT_EQ(BlockedMs(f, 800, 200), 200);
    std::filesystem::copy_file(std::filesystem::path(TRESOLO_SOURCE_DIR) / "assets" / "Muenze.WAV",
                               w.folder.path() / "Muenze.WAV");
    EXPECT_NO_THROW(f.PlayCoinSound());
    w.harness.RunFor(100);
    EXPECT_TRUE(w.harness.MessageBoxes().empty());
    // The sound library may add lines of its own.
    const std::string said = ::testing::internal::GetCapturedStderr();
    const std::size_t first = said.find("tresolo: ");
    EXPECT_EQ(said.find("tresolo: no sound ("), first) << said;
    EXPECT_EQ(said.find("tresolo: ", first + 1), std::string::npos) << said;
}
