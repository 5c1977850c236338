// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The square-wave voice: plays queued tones one after another, gap-free.
#include <cstdint>
#include <deque>

class ToneVoice {
public:
    explicit ToneVoice(int sampleRate) : sampleRate_(sampleRate) {}

    // Appends a tone of hz for ms milliseconds; hz 0 queues silence of that length.
    void Queue(int hz, int ms);
    // Adds the next n samples of the voice to acc (nothing once the queue is empty).
    void Mix(int32_t* acc, int n);
    bool Idle() const { return queue_.empty(); }
    void Clear() { queue_.clear(); }

    static constexpr int kAmplitude = 6000;

private:
    struct Segment {
        int hz;
        int64_t samplesLeft;
    };
    void MixSegment(Segment& segment, int32_t* acc, int count);

    int sampleRate_;
    std::deque<Segment> queue_;
    double phase_ = 0;  // position within the current period, 0 up to 1
};
