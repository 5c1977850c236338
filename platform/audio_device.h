// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one SDL audio output device, shared by the tone and the wave voice.
#include <functional>

#include "platform/audio_voices.h"

// Runs change on the device's voices while its playback thread is locked out.
// Opens the device on first use. Returns false, running nothing, when there is no
// audio output; the first such failure prints one line on stderr.
// Call from one thread only (the GUI thread).
bool WithAudioVoices(const std::function<void(AudioVoices&)>& change);

// Stops all sound and closes the device; a later use opens it again.
// Call it before SDL_Quit at the program's end.
void ShutdownAudio();
