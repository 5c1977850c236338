// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tone_voice.h"

#include <algorithm>

namespace {
// A caller that has fallen behind the device by this much starts afresh.
constexpr int kMaxBacklogSeconds = 2;
}

void ToneVoice::Queue(int hz, int ms) {
    const int64_t samples = int64_t{ms} * sampleRate_ / 1000;
    if (samples <= 0) return;
    int64_t pending = 0;
    for (const Segment& s : queue_) pending += s.samplesLeft;
    if (pending > int64_t{kMaxBacklogSeconds} * sampleRate_) queue_.clear();
    queue_.push_back({hz, samples});
}

void ToneVoice::Mix(int32_t* acc, int n) {
    while (n > 0 && !queue_.empty()) {
        Segment& front = queue_.front();
        const int count = static_cast<int>(std::min<int64_t>(n, front.samplesLeft));
        MixSegment(front, acc, count);
        acc += count;
        n -= count;
        if (front.samplesLeft == 0) queue_.pop_front();
    }
}

void ToneVoice::MixSegment(Segment& segment, int32_t* acc, int count) {
    segment.samplesLeft -= count;
    if (segment.hz <= 0) return;
    const double step = static_cast<double>(segment.hz) / sampleRate_;
    for (int i = 0; i < count; ++i) {
        acc[i] += phase_ < 0.5 ? kAmplitude : -kAmplitude;
        phase_ += step;
        phase_ -= static_cast<int>(phase_);
    }
}
