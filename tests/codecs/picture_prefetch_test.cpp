// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded ahead on a worker thread, taken by the code that loads them.
#include "codecs/picture_prefetch.h"

#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "codecs/jpeg.h"
#include "codecs/picture_file.h"
#include "tests/codecs/test_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::span<const std::uint8_t>> Spans(const std::vector<Bytes>& files) {
    return {files.begin(), files.end()};
}

std::vector<Bytes> SomeFiles() {
    return {EncodeJpeg(MakeTestPicture(300, 200, 1)), EncodeBmp(MakeTestPicture(40, 30, 2)),
            EncodeJpeg(MakeTestPicture(64, 48, 3)), EncodeBmp(MakeTestPicture(7, 5, 4))};
}

}  // namespace

TEST(PicturePrefetch, HandsOutEveryPictureOnceInAnyOrder) {
    const std::vector<Bytes> files = SomeFiles();
    PicturePrefetch prefetch(Spans(files));
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        const std::optional<PixelBuffer> taken = prefetch.Take(*file);
        ASSERT_TRUE(taken);
        EXPECT_EQ(*taken, DecodePicture(*file));
        EXPECT_FALSE(prefetch.Take(*file));  // taken already
    }
    const Bytes copy = files[1];  // the same bytes elsewhere are not the listed file
    EXPECT_FALSE(prefetch.Take(copy));
}

TEST(PicturePrefetch, PicturesLoadTheSameWithAndWithoutIt) {
    const std::vector<Bytes> files = SomeFiles();
    std::vector<PixelBuffer> plain;
    for (const Bytes& file : files) plain.push_back(DecodePictureAhead(file));
    {
        PicturePrefetch prefetch(Spans(files));
        for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(DecodePictureAhead(files[i]), plain[i]);
        EXPECT_EQ(DecodePictureAhead(files[0]), plain[0]);  // a second load decodes again
    }
    EXPECT_EQ(DecodePictureAhead(files[2]), plain[2]);
}

TEST(PicturePrefetch, ADecodingErrorReachesTheOneWhoTakesThePicture) {
    std::vector<Bytes> files = SomeFiles();
    files[2].resize(files[2].size() / 3);  // a cut-off JPEG
    files.push_back({'G', 'I', 'F', '8', '9', 'a'});
    PicturePrefetch prefetch(Spans(files));
    EXPECT_THROW(DecodePictureAhead(files[2]), CodecError);
    EXPECT_THROW(prefetch.Take(files[4]), CodecError);
    EXPECT_FALSE(prefetch.Take(files[4]));
    EXPECT_EQ(DecodePictureAhead(files[3]), DecodePicture(files[3]));
}

TEST(PicturePrefetch, EndsWithPicturesNobodyTook) {
    std::vector<Bytes> files;
    for (std::uint32_t seed = 0; seed < 8; ++seed) files.push_back(EncodeJpeg(MakeTestPicture(640, 480, seed)));
    { PicturePrefetch prefetch(Spans(files)); }
    {
        PicturePrefetch prefetch(Spans(files));
        EXPECT_EQ(DecodePictureAhead(files[7]), DecodePicture(files[7]));
    }
}
