#include "toolkit/media_player.h"

#include "platform/wave_playback.h"

WaveResult TMediaPlayer::Play() { return PlayWaveAsync(FileName); }
