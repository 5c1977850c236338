// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/media_player.h"

#include "platform/wave_playback.h"

Outcome TMediaPlayer::Play() { return PlayWaveAsync(FileName); }
