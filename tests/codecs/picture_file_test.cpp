// SPDX-License-Identifier: GPL-3.0-or-later
#include "codecs/picture_file.h"

#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "codecs/jpeg.h"
#include "tests/codecs/test_pictures.h"

TEST(PictureFile, ChoosesTheCodecByTheFirstBytes) {
    const PixelBuffer p = MakeTestPicture(9, 7);
    EXPECT_EQ(DecodePicture(EncodeBmp(p)), p);
    EXPECT_EQ(DecodePicture(EncodeJpeg(p)).width(), 9);
    using Bytes = std::vector<std::uint8_t>;
    for (const Bytes& b : {Bytes{}, Bytes{'G', 'I', 'F', '8', '9', 'a'}, Bytes{'B'}, Bytes{0xFF, 0xD8, 0xFF}})
        EXPECT_THROW(DecodePicture(b), CodecError);
}
