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
#include <optional>
#include <set>
#include <string>
#include <vector>

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
uint16_t Be16(const Bytes& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// A 24-bit uncompressed bottom-up BMP; nullopt when the file is anything else.
struct Bmp {
    int width, height;
    Bytes data;
    uint32_t offset;
    Rgb At(int x, int y) const {  // y = 0 is the top row
        size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
        size_t i = offset + size_t(height - 1 - y) * stride + size_t(x) * 3;
        return {data[i + 2], data[i + 1], data[i]};
    }
};

std::optional<Bmp> ParseBmp(Bytes b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    int32_t w = int32_t(Le32(b, 18)), h = int32_t(Le32(b, 22));
    if (Le32(b, 14) < 40 || Le16(b, 26) != 1 || Le16(b, 28) != 24 || Le32(b, 30) != 0) return std::nullopt;
    if (w <= 0 || h <= 0) return std::nullopt;  // h > 0: stored bottom-up
    uint32_t off = Le32(b, 10);
    size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    if (off + stride * size_t(h) > b.size()) return std::nullopt;
    return Bmp{w, h, std::move(b), off};
}

// Size of a baseline JPEG with three 8-bit components (24 bits); nullopt for
// anything else, progressive JPEG included.
struct JpegSize { int width, height; };
std::optional<JpegSize> ParseJpeg(const Bytes& b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xFF) return std::nullopt;
        unsigned char m = b[i + 1];
        if (m == 0xFF) { ++i; continue; }
        size_t len = Be16(b, i + 2);
        if (m == 0xC0) {
            if (i + 10 > b.size() || b[i + 4] != 8 || b[i + 9] != 3) return std::nullopt;
            return JpegSize{Be16(b, i + 7), Be16(b, i + 5)};
        }
        if ((m >= 0xC1 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) || m == 0xDA)
            return std::nullopt;  // another frame type, or image data before any frame
        i += 2 + len;
    }
    return std::nullopt;
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
        Bytes b = ReadFile(PathOf(p));
        if (std::string(p.ext) == "bmp") {
            auto bmp = ParseBmp(b);
            ASSERT_TRUE(bmp) << "not a 24-bit uncompressed bottom-up BMP";
            EXPECT_EQ(bmp->width, p.width);
            EXPECT_EQ(bmp->height, p.height);
        } else {
            auto jpg = ParseJpeg(b);
            ASSERT_TRUE(jpg) << "not a baseline 24-bit JPEG";
            EXPECT_EQ(jpg->width, p.width);
            EXPECT_EQ(jpg->height, p.height);
        }
    }
}

int Distance(Rgb a, Rgb b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }

// The toolkit leaves out exactly the bottom-left pixel's colour. A figure
// anti-aliased into that colour would keep a visible fringe of near-key
// pixels; the figure itself must not be empty either.
TEST(AssetCatalogue, TransparentPicturesHaveAClearKeyWithoutFringe) {
    for (const Picture& p : Catalogue()) {
        if (!p.transparent) continue;
        SCOPED_TRACE(p.name);
        auto bmp = ParseBmp(ReadFile(PathOf(p)));
        ASSERT_TRUE(bmp);
        Rgb key = bmp->At(0, bmp->height - 1);
        int keyed = 0, near = 0, total = bmp->width * bmp->height;
        for (int y = 0; y < bmp->height; ++y)
            for (int x = 0; x < bmp->width; ++x) {
                int d = Distance(bmp->At(x, y), key);
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
double ColumnStep(const Bmp& b, int x0, int x1) {
    double s = 0;
    for (int y = 0; y < b.height; ++y) s += Distance(b.At(x0, y), b.At(x1, y));
    return s / b.height;
}
double RowStep(const Bmp& b, int y0, int y1) {
    double s = 0;
    for (int x = 0; x < b.width; ++x) s += Distance(b.At(x, y0), b.At(x, y1));
    return s / b.width;
}

// A seam is where the wrap-around step is much larger than the steps inside.
TEST(AssetTiles, RepeatWithoutSeams) {
    struct Tile { const char* name; bool across, down; };
    for (Tile t : {Tile{"Wasser_kachel", true, true}, Tile{"Wasser_Kachel_original_groesse", true, true},
                   Tile{"UmrandungsKachelSeite", false, true}, Tile{"UmrandungsKachelOben", true, false}}) {
        SCOPED_TRACE(t.name);
        auto b = ParseBmp(ReadFile(AssetDir() / (std::string(t.name) + ".bmp")));
        ASSERT_TRUE(b);
        if (t.across) {
            double inner = 0;
            for (int x = 1; x < b->width; ++x) inner = std::max(inner, ColumnStep(*b, x - 1, x));
            EXPECT_LE(ColumnStep(*b, b->width - 1, 0), inner + 1.0);
        }
        if (t.down) {
            double inner = 0;
            for (int y = 1; y < b->height; ++y) inner = std::max(inner, RowStep(*b, y - 1, y));
            EXPECT_LE(RowStep(*b, b->height - 1, 0), inner + 1.0);
        }
    }
}

// The frame pieces continue the tiles: the side tile's columns match the
// vertical bar of the joints and arches, the top tile's rows the bar through
// the joints.
TEST(AssetTiles, FramePiecesMeetTheTiles) {
    auto side = ParseBmp(ReadFile(AssetDir() / "UmrandungsKachelSeite.bmp"));
    auto top = ParseBmp(ReadFile(AssetDir() / "UmrandungsKachelOben.bmp"));
    auto tl = ParseBmp(ReadFile(AssetDir() / "T_links.bmp"));
    auto tr = ParseBmp(ReadFile(AssetDir() / "T_rechts.bmp"));
    auto arch = ParseBmp(ReadFile(AssetDir() / "Bogen_oben_links.bmp"));
    ASSERT_TRUE(side && top && tl && tr && arch);
    // the left joint's last row against the tile's first row below it, x 0..21
    double step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(tl->At(x, tl->height - 1), side->At(x, 0));
    EXPECT_LT(step / 22, 12.0);
    // the right joint (its bar at x 12..33) against the same tile
    step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(tr->At(12 + x, tr->height - 1), side->At(x, 0));
    EXPECT_LT(step / 22, 12.0);
    // the joint's stub (rows 3..24) against the top tile that runs on from it
    step = 0;
    for (int y = 0; y < 22; ++y) step += Distance(tl->At(tl->width - 1, 3 + y), top->At(0, y));
    EXPECT_LT(step / 22, 12.0);
    // the arch's bar against the side tile placed over it at the window corner
    step = 0;
    for (int x = 0; x < 22; ++x) step += Distance(arch->At(x, 30), side->At(x, 30));
    EXPECT_LT(step / 22, 12.0);
}

Rgb Mean(const Bmp& b, Rgb key) {
    long r = 0, g = 0, bl = 0, n = 0;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            Rgb p = b.At(x, y);
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
        auto lit = ParseBmp(ReadFile(AssetDir() / (std::string(s) + "_gelb.bmp")));
        auto dark = ParseBmp(ReadFile(AssetDir() / (std::string(s) + "_normal.bmp")));
        ASSERT_TRUE(lit && dark);
        Rgb l = Mean(*lit, lit->At(0, lit->height - 1));
        Rgb d = Mean(*dark, dark->At(0, dark->height - 1));
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
