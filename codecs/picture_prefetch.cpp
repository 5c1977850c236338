// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/picture_prefetch.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "codecs/picture_file.h"

namespace {
PicturePrefetch* living = nullptr;
}

PicturePrefetch::PicturePrefetch(std::vector<std::span<const std::uint8_t>> files) {
    entries_.resize(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) entries_[i].bytes = files[i];
    try {
        worker_ = std::thread(&PicturePrefetch::Work, this);
    } catch (const std::system_error&) {
        // No thread to spare (or none at all, in the page): each picture is decoded when taken.
    }
    living = this;
}

PicturePrefetch::~PicturePrefetch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (worker_.joinable()) worker_.join();
    if (living == this) living = nullptr;
}

// Decodes outside the lock; the entry is claimed, so no one else touches it meanwhile.
void PicturePrefetch::Decode(std::unique_lock<std::mutex>& lock, Entry& e) {
    e.state = State::Decoding;
    lock.unlock();
    PixelBuffer pixels;
    std::exception_ptr error;
    try {
        pixels = DecodePicture(e.bytes);
    } catch (...) {
        error = std::current_exception();
    }
    lock.lock();
    e.pixels = std::move(pixels);
    e.error = error;
    e.state = State::Done;
    decoded_.notify_all();
}

void PicturePrefetch::Work() {
    std::unique_lock lock(mutex_);
    for (Entry& e : entries_) {
        if (stopping_) return;
        if (e.state == State::Waiting) Decode(lock, e);
    }
}

std::optional<PixelBuffer> PicturePrefetch::Take(std::span<const std::uint8_t> bytes) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.bytes.data() == bytes.data() && e.bytes.size() == bytes.size();
    });
    if (it == entries_.end()) return std::nullopt;
    std::unique_lock lock(mutex_);
    if (it->state == State::Waiting) Decode(lock, *it);
    decoded_.wait(lock, [&] { return it->state != State::Decoding; });
    if (it->state == State::Taken) return std::nullopt;
    it->state = State::Taken;
    if (it->error) std::rethrow_exception(std::exchange(it->error, nullptr));
    return std::move(it->pixels);
}

PixelBuffer DecodePictureAhead(std::span<const std::uint8_t> bytes) {
    if (living)
        if (std::optional<PixelBuffer> pixels = living->Take(bytes)) return std::move(*pixels);
    return DecodePicture(bytes);
}
