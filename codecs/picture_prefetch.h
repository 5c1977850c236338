// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes a list of picture files on a worker thread ahead of their use, so that decoding
// runs beside other start-up work (the X connection, the fonts). While one is alive, a
// picture decoded through DecodePictureAhead is taken from it: finished by the worker,
// awaited when the worker is at it, or decoded by the caller when the worker has not begun
// it yet. Each file is handed out once; a second request, or bytes not in the list, are
// decoded on the spot. One at a time; made and dropped on the same thread that decodes.
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "codecs/pixel_buffer.h"

class PicturePrefetch {
public:
    explicit PicturePrefetch(std::vector<std::span<const std::uint8_t>> files);
    ~PicturePrefetch();  // stops the worker after the picture at hand; untaken ones are dropped
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The decoded picture of these bytes (the same memory as listed), or nullopt when they are
    // not in the list or were taken already. A decoding error is thrown as DecodePicture does.
    std::optional<PixelBuffer> Take(std::span<const std::uint8_t> bytes);

private:
    enum class State { Waiting, Decoding, Done, Taken };
    struct Entry {
        std::span<const std::uint8_t> bytes;
        State state = State::Waiting;
        PixelBuffer pixels;
        std::exception_ptr error;
    };

    void Work();
    void Decode(std::unique_lock<std::mutex>& lock, Entry& e);

    std::vector<Entry> entries_;
    std::mutex mutex_;
    std::condition_variable decoded_;
    bool stopping_ = false;
    std::thread worker_;
};

// DecodePicture, but from the living prefetch when it holds these bytes.
PixelBuffer DecodePictureAhead(std::span<const std::uint8_t> bytes);
