// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures in assets/ against what the scene needs: every picture
// is there, in its format, 24 bits, at its exact size; transparently drawn
// ones carry their key colour in the bottom-left pixel without a fringe; tiles
// join without seams; and the program's embedded copies equal the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "codecs/bmp.h"
#include "codecs/jpeg.h"
#include "codecs/picture_file.h"
#include "support/resource.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

fs::path AssetDir() { return fs::path(TRESOLO_SOURCE_DIR) / "assets"; }

Bytes ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

uint32_t Le32(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Le16(const Bytes& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

// The picture as the program decodes it.
PixelBuffer Decoded(const fs::path& p) { return DecodePicture(ReadFile(p)); }

// The decoder also reads 8- and 32-bit and top-down bitmaps; the artwork is kept as
// 24-bit bottom-up files, which the header's depth and the sign of its height tell.
bool Is24BitBottomUp(const Bytes& b) {
    return b.size() >= 30 && Le16(b, 28) == 24 && int32_t(Le32(b, 22)) > 0;
}

// libjpeg reads progressive and grey files as well; the artwork is baseline (an SOF0
// frame, no SOF2) with three 8-bit components. Inside the scan a 0xFF byte is always
// followed by 0x00 or a restart marker, so the marker bytes occur only in the headers.
bool IsBaselineColourJpeg(const Bytes& b) {
    auto marker = [&](unsigned char m) {
        const unsigned char bytes[] = {0xFF, m};
        return std::search(b.begin(), b.end(), std::begin(bytes), std::end(bytes));
    };
    const auto frame = marker(0xC0);
    if (frame == b.end() || marker(0xC2) != b.end() || b.end() - frame < 10) return false;
    return frame[4] == 8 && frame[9] == 3;
}

struct Picture {
    const char* name;
    const char* ext;
    int width, height;
    bool transparent;
};

// Everything the main window, its ladders and reels, the menu's money and the
// button glyphs show.
std::vector<Picture> Catalogue() {
    std::vector<Picture> c = {
        // scene and frame
        {"Hintergrund2", "jpg", 686, 548, false},
        {"Hintergrund3", "jpg", 686, 548, false},
        {"SpielGeldSpeicherAnzeige", "bmp", 123, 22, true},
        {"SonderSpieleAnzeige", "bmp", 123, 22, false},
        {"T_links", "bmp", 34, 29, false},
        {"T_rechts", "bmp", 35, 29, false},
        {"Bogen_oben_links", "bmp", 27, 104, false},
        {"Bogen_oben_rechts", "bmp", 27, 104, false},
        {"RandOben", "bmp", 48, 22, false},
        {"UmrandungsKachelSeite", "bmp", 22, 100, false},
        {"UmrandungsKachelOben", "bmp", 48, 22, false},
        {"Umrandung_unten_Image", "jpg", 820, 29, false},
        {"Wasser_kachel", "bmp", 111, 70, false},
        {"Wasser_Kachel_original_groesse", "bmp", 111, 70, false},
        {"Muschel", "bmp", 80, 56, true},
        {"Muschel_Zu", "bmp", 80, 56, true},
        {"Muschel_Halb_offen", "bmp", 80, 56, true},
        {"Muschel_Offen", "bmp", 80, 56, true},
        {"AuszahlungsImage", "bmp", 75, 75, true},
        {"Image2mal", "bmp", 51, 41, true},
        {"Image1mal", "bmp", 51, 41, true},
        {"Image0mal", "bmp", 51, 41, true},
        {"ImageRisiko", "bmp", 343, 36, true},
        {"Tresolo_Ueberschrift", "bmp", 168, 67, true},
        {"MarkierungsImage", "bmp", 14, 14, true},
        {"Image1", "bmp", 91, 60, false},
        // shark and flag
        {"HaiImage2", "bmp", 163, 92, true},
        {"HaiNachRechts", "bmp", 163, 92, true},
        {"HaiNachLinks", "bmp", 163, 92, true},
        {"HaiGebuecktRechts", "bmp", 163, 92, true},
        {"HaiGebuecktLinks", "bmp", 163, 92, true},
        {"HaiNachObenRechts", "bmp", 159, 119, true},
        {"HaiNachObenGebuecktImage", "bmp", 163, 73, true},
        {"Flagge", "bmp", 190, 49, true},
        {"FlaggeNachLinks", "bmp", 190, 49, true},
        {"FlaggeNachRechts", "bmp", 188, 49, true},
        // glyphs
        {"StartImage", "bmp", 80, 34, false},
        {"StartAktImage", "bmp", 80, 34, false},
        {"StopImage", "bmp", 80, 34, false},
        {"StopAktImage", "bmp", 80, 34, false},
        {"TrueGroesserImage", "bmp", 80, 34, false},
        {"TruekleinerImage", "bmp", 80, 34, false},
        {"StopBtn1", "bmp", 80, 34, false},
        {"StopBtn2", "bmp", 80, 34, false},
        {"StartBtn", "bmp", 80, 34, false},
        {"StopWalzenBtn", "bmp", 80, 34, false},
        {"MenueBtn", "bmp", 80, 34, false},
        {"TruhestretchenBtn", "bmp", 80, 34, false},
        {"MinimierenBtn", "bmp", 80, 34, false},
        {"HilfeBtn", "bmp", 80, 34, false},
        // menu money: notes are opaque, coins transparent
        {"Button_500_Euro", "bmp", 102, 199, false},
        {"Button_200_Euro", "bmp", 101, 188, false},
        {"Button_100_Euro", "bmp", 102, 182, false},
        {"Button_50_Euro", "bmp", 101, 184, false},
        {"Button_20_Euro", "bmp", 101, 186, false},
        {"Button_10_Euro", "bmp", 98, 186, false},
        {"Button_5_Euro", "bmp", 102, 198, false},
        {"Button_2_Euro", "bmp", 79, 79, true},
        {"Button_1_Euro", "bmp", 75, 75, true},
        {"Button_50_Cent", "bmp", 74, 75, true},
        {"Button_20_Cent", "bmp", 58, 59, true},
        {"Button_10_Cent", "bmp", 62, 62, true},
        {"icon32", "bmp", 32, 32, false},
    };
    for (const char* n : {"Walzenbild1", "Walzenbild2", "Walzenbild3", "Walzenbild4", "Walzenbild5",
                          "Walzenbild6_1", "Walzenbild6_2", "Walzenbild6_3", "Walzenbild7"})
        c.push_back({n, "jpg", 250, 73, false});
    for (const char* n : {"Walzenbild8", "Walzenbild9", "Walzenbild10", "Walzenbild11", "Walzenbild12"})
        c.push_back({n, "jpg", 250, 72, false});
    static const std::vector<std::string> steps58 = {
        "Sondersp20Image", "Sondersp10Image", "Sondersp5Image",
        "Sondersp40Image", "Sondersp30Image", "Sondersp15Image"};
    static const std::vector<std::string> steps56 = {
        "Euro_2_20_Image", "Euro_1_50_Image", "Cent_50_Image", "Image_00",
        "Euro_3_70_Image", "Euro_2_50_Image", "Euro_1_20_Image", "Image_00_2"};
    static std::vector<std::string> names;  // keeps the c_str()s alive
    if (names.empty())
        for (const auto* group : {&steps58, &steps56})
            for (const auto& s : *group)
                for (const char* look : {"_gelb", "_normal"}) names.push_back(s + look);
    for (const auto& n : names)
        c.push_back({n.c_str(), "bmp", 90, n.rfind("Sondersp", 0) == 0 ? 58 : 56, true});
    return c;
}

fs::path PathOf(const Picture& p) { return AssetDir() / (std::string(p.name) + "." + p.ext); }

TEST(AssetCatalogue, EveryPictureHasItsFormatDepthAndSize) {
    for (const Picture& p : Catalogue()) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(fs::exists(PathOf(p))) << PathOf(p);
        const Bytes b = ReadFile(PathOf(p));
        PixelBuffer picture;
        if (std::string(p.ext) == "bmp") {
            ASSERT_TRUE(LooksLikeBmp(b));
            ASSERT_NO_THROW(picture = DecodeBmp(b));
            EXPECT_TRUE(Is24BitBottomUp(b)) << "not a 24-bit bottom-up BMP";
        } else {
            ASSERT_TRUE(LooksLikeJpeg(b));
            ASSERT_NO_THROW(picture = DecodeJpeg(b));
            EXPECT_TRUE(IsBaselineColourJpeg(b)) << "not a baseline 24-bit JPEG";
        }
        EXPECT_EQ(picture.width(), p.width);
        EXPECT_EQ(picture.height(), p.height);
    }
}

int Distance(Bgr a, Bgr b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }

// The toolkit leaves out exactly the bottom-left pixel's colour. A figure
// anti-aliased into that colour would keep a visible fringe of near-key
// pixels; the figure itself must not be empty either.
TEST(AssetCatalogue, TransparentPicturesHaveAClearKeyWithoutFringe) {
    for (const Picture& p : Catalogue()) {
        if (!p.transparent) continue;
        SCOPED_TRACE(p.name);
        const PixelBuffer picture = Decoded(PathOf(p));
        const Bgr key = picture.pixel(0, picture.height() - 1);
        int keyed = 0, near = 0, total = picture.width() * picture.height();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                int d = Distance(picture.pixel(x, y), key);
                if (d == 0) ++keyed;
                else if (d < 48) ++near;
            }
        EXPECT_EQ(near, 0) << "pixels close to the key colour would show as a fringe";
        EXPECT_LT(keyed, total * 9 / 10) << "hardly any figure";
        EXPECT_GT(keyed, 0);
    }
}

// Mean colour difference across a line between two neighbouring columns
// (or rows) of a picture.
double ColumnStep(const PixelBuffer& b, int x0, int x1) {
    double s = 0;
    for (int y = 0; y < b.height(); ++y) s += Distance(b.pixel(x0, y), b.pixel(x1, y));
    return s / b.height();
}
double RowStep(const PixelBuffer& b, int y0, int y1) {
    double s = 0;
    for (int x = 0; x < b.width(); ++x) s += Distance(b.pixel(x, y0), b.pixel(x, y1));
    return s / b.width();
}

// A seam is where the wrap-around step is much larger than the steps inside.
TEST(AssetTiles, RepeatWithoutSeams) {
    struct Tile { const char* name; bool across, down; };
    for (Tile t : {Tile{"Wasser_kachel", true, true}, Tile{"Wasser_Kachel_original_groesse", true, true},
                   Tile{"UmrandungsKachelSeite", false, true}, Tile{"UmrandungsKachelOben", true, false}}) {
        SCOPED_TRACE(t.name);
        const PixelBuffer b = Decoded(AssetDir() / (std::string(t.name) + ".bmp"));
        if (t.across) {
            double inner = 0;
            for (int x = 1; x < b.width(); ++x) inner = std::max(inner, ColumnStep(b, x - 1, x));
            EXPECT_LE(ColumnStep(b, b.width() - 1, 0), inner + 1.0);
        }
        if (t.down) {
            double inner = 0;
            for (int y = 1; y < b.height(); ++y) inner = std::max(inner, RowStep(b, y - 1, y));
            EXPECT_LE(RowStep(b, b.height() - 1, 0), inner + 1.0);
        }
    }
}

// The frame pieces continue the tiles: the side tile's columns match the
// vertical bar of the joints and arches, the top tile's rows the bar through
// the joints.
TEST(AssetTiles, FramePiecesMeetTheTiles) {
    const PixelBuffer side = Decoded(AssetDir() / "UmrandungsKachelSeite.bmp");
    const PixelBuffer top = Decoded(AssetDir() / "UmrandungsKachelOben.bmp");
    const PixelBuffer tl = Decoded(AssetDir() / "T_links.bmp");
    const PixelBuffer tr = Decoded(AssetDir() / "T_rechts.bmp");
    const PixelBuffer arch = Decoded(AssetDir() / "Bogen_oben_links.bmp");
    // the left joint's last row against the tile's first row below it, x 0..21
    double step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(tl.pixel(x, tl.height() - 1), side.pixel(x, 0));
    EXPECT_LT(step / 22, 12.0);
    // the right joint (its bar at x 12..33) against the same tile
    step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(tr.pixel(12 + x, tr.height() - 1), side.pixel(x, 0));
    EXPECT_LT(step / 22, 12.0);
    // the joint's stub (rows 3..24) against the top tile that runs on from it
    step = 0;
    for (int y = 0; y < 22; ++y) step += Distance(tl.pixel(tl.width() - 1, 3 + y), top.pixel(0, y));
    EXPECT_LT(step / 22, 12.0);
    // the arch's bar against the side tile placed over it at the window corner
    step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(arch.pixel(x, 30), side.pixel(x, 30));
    EXPECT_LT(step / 22, 12.0);
}

struct Rgb {
    int r, g, b;
};

// The mean colour of the figure: every pixel but the key colour's.
Rgb Mean(const PixelBuffer& b) {
    const Bgr key = b.pixel(0, b.height() - 1);
    long r = 0, g = 0, bl = 0, n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const Bgr p = b.pixel(x, y);
            if (p == key) continue;
            r += p.r, g += p.g, bl += p.b, ++n;
        }
    return {int(r / n), int(g / n), int(bl / n)};
}

// Lit steps glow yellow, normal ones are dark: swapped or copied looks would
// make a ladder that never seems to blink.
TEST(AssetLadder, LitStepsAreYellowAndNormalStepsDark) {
    for (const char* s : {"Sondersp20Image", "Sondersp10Image", "Sondersp5Image", "Sondersp40Image",
                          "Sondersp30Image", "Sondersp15Image", "Euro_2_20_Image", "Euro_1_50_Image",
                          "Cent_50_Image", "Image_00", "Euro_3_70_Image", "Euro_2_50_Image",
                          "Euro_1_20_Image", "Image_00_2"}) {
        SCOPED_TRACE(s);
        const Rgb l = Mean(Decoded(AssetDir() / (std::string(s) + "_gelb.bmp")));
        const Rgb d = Mean(Decoded(AssetDir() / (std::string(s) + "_normal.bmp")));
        EXPECT_GT(l.r, 180);
        EXPECT_GT(l.g, 140);
        EXPECT_LT(l.b, 120);
        EXPECT_LT((d.r + d.g + d.b) / 3, 90);
    }
}

TEST(AssetSound, CoinIsShortMono16BitPcm) {
    Bytes w = ReadFile(AssetDir() / "Muenze.WAV");
    ASSERT_GE(w.size(), 44u);
    ASSERT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    ASSERT_EQ(std::string(w.begin() + 8, w.begin() + 12), "WAVE");
    size_t i = 12;
    uint32_t rate = 0, dataBytes = 0;
    uint16_t format = 0, channels = 0, bits = 0;
    while (i + 8 <= w.size()) {
        std::string id(w.begin() + long(i), w.begin() + long(i) + 4);
        uint32_t len = Le32(w, i + 4);
        if (id == "fmt ") {
            format = Le16(w, i + 8), channels = Le16(w, i + 10), rate = Le32(w, i + 12);
            bits = Le16(w, i + 22);
        } else if (id == "data") {
            dataBytes = len;
        }
        i += 8 + len + (len & 1);
    }
    EXPECT_EQ(format, 1);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(bits, 16);
    ASSERT_GT(rate, 0u);
    double seconds = double(dataBytes) / 2 / rate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 1.0);
}

// The build embeds assets/ by file name; what the program carries must be the
// files as committed, one entry per picture.
TEST(AssetEmbedding, EmbeddedCopiesEqualTheFiles) {
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(AssetDir())) {
        std::string ext = e.path().extension().string();
        if (ext == ".bmp" || ext == ".jpg") files.insert(e.path().filename().string());
    }
    std::set<std::string> embedded;
    for (const Resource& r : AllResources()) {
        SCOPED_TRACE(r.fileName);
        embedded.insert(r.fileName);
        EXPECT_EQ(fs::path(r.fileName).stem().string(), r.name);
        Bytes disk = ReadFile(AssetDir() / r.fileName);
        ASSERT_EQ(disk.size(), r.size);
        EXPECT_TRUE(std::equal(disk.begin(), disk.end(), r.data));
    }
    EXPECT_EQ(embedded, files);
    for (const Picture& p : Catalogue()) EXPECT_NE(FindResource(p.name), nullptr) << p.name;
}

}  // namespace
