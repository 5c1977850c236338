// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fourteen reel pictures, the three reels and the record of which picture each reel
// stopped on (BildAufWalze).
#include <array>
#include <cstddef>
#include <string_view>

// In the order of the stop record: the amounts, the shells, the starfish, the sharks.
enum class Walzenbild { W7, W8, W9, W10, W11, W12, W3, W4, W5, W6_1, W6_2, W6_3, W1, W2 };
inline constexpr int kWalzenbildCount = 14;

inline constexpr std::array<Walzenbild, kWalzenbildCount> kAllWalzenbilder = [] {
    std::array<Walzenbild, kWalzenbildCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Walzenbild>(i);
    return all;
}();

enum class Reel { Left = 0, Middle = 1, Right = 2 };
inline constexpr int kReelCount = 3;
inline constexpr std::array<Reel, kReelCount> kAllReels = {Reel::Left, Reel::Middle, Reel::Right};

class TForm1;
class TImage;

// One row a reel picture: the picture, the name of the image component (and of its artwork)
// that holds it, e.g. "Walzenbild6_1", and that component in the main window.
struct ReelPictureRow {
    Walzenbild id;
    std::string_view name;
    TImage* TForm1::*member;
};
const ReelPictureRow& ReelPictureOf(Walzenbild picture);
inline std::string_view ComponentName(Walzenbild picture) { return ReelPictureOf(picture).name; }

// One entry per (picture, reel), picture-major: left, middle and right of a picture side by side.
using BildAufWalzeTable = std::array<bool, kWalzenbildCount * kReelCount>;

constexpr std::size_t BildAufWalzeIndex(Walzenbild picture, Reel reel) {
    return static_cast<std::size_t>(picture) * kReelCount + static_cast<std::size_t>(reel);
}

// "Picture P is on reel R": the only way the game reads the record.
constexpr bool IsOnReel(const BildAufWalzeTable& table, Walzenbild picture, Reel reel) {
    return table[BildAufWalzeIndex(picture, reel)];
}

// A stopping reel forgets its previous picture and records the new one; the other reels keep
// theirs.
constexpr void RecordStop(BildAufWalzeTable& table, Reel reel, Walzenbild picture) {
    for (Walzenbild p : kAllWalzenbilder) table[BildAufWalzeIndex(p, reel)] = false;
    table[BildAufWalzeIndex(picture, reel)] = true;
}
