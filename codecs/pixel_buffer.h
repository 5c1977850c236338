// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain 24-bit picture: rows top to bottom, three bytes per pixel in the order
// blue, green, red, no padding between rows.
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "support/prefault.h"

struct Bgr {
    std::uint8_t b = 0, g = 0, r = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Bgr fill = {}) { resize(width, height, fill); }

    void resize(int width, int height, Bgr fill = {}) {
        width_ = width < 0 ? 0 : width;
        height_ = height < 0 ? 0 : height;
        const std::size_t bytes = static_cast<std::size_t>(width_) * height_ * 3;
        if (data_.capacity() < bytes) {
            std::vector<std::uint8_t> fresh;
            fresh.reserve(bytes);
            PrefaultForWriting(fresh.data(), bytes);
            data_ = std::move(fresh);
        }
        data_.resize(bytes);
        this->fill(fill);
    }
    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    int stride() const { return width_ * 3; }

    std::uint8_t* scanLine(int y) { return data_.data() + static_cast<std::size_t>(y) * stride(); }
    const std::uint8_t* scanLine(int y) const { return data_.data() + static_cast<std::size_t>(y) * stride(); }
    std::uint8_t* data() { return data_.data(); }
    const std::uint8_t* data() const { return data_.data(); }

    Bgr pixel(int x, int y) const {
        const std::uint8_t* p = scanLine(y) + x * 3;
        return {p[0], p[1], p[2]};
    }
    void setPixel(int x, int y, Bgr c) {
        std::uint8_t* p = scanLine(y) + x * 3;
        p[0] = c.b; p[1] = c.g; p[2] = c.r;
    }
    // A grey is one byte repeated; a colour is its first pixel copied in doubling blocks, so
    // both run as block writes rather than a loop over the bytes.
    void fill(Bgr c) {
        const std::size_t size = data_.size();
        if (size == 0) return;
        if (c.b == c.g && c.g == c.r) {
            std::memset(data_.data(), c.b, size);
            return;
        }
        std::uint8_t* p = data_.data();
        p[0] = c.b; p[1] = c.g; p[2] = c.r;
        for (std::size_t done = 3; done < size;) {
            const std::size_t n = done < size - done ? done : size - done;
            std::memcpy(p + done, p, n);
            done += n;
        }
    }
    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> data_;
};
