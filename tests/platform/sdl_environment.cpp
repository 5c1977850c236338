// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every platform test against SDL's dummy drivers, so no sound is heard and no
// display is needed, and shuts SDL down cleanly afterwards.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/audio_device.h"

namespace {

class SdlDummyEnvironment : public testing::Environment {
public:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    void TearDown() override {
        ShutdownAudio();
        SDL_Quit();
    }
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new SdlDummyEnvironment);

}  // namespace
