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
    EXPECT_THROW(DecodePicture(Bytes{}), CodecError);
    EXPECT_THROW(DecodePicture(Bytes{'G', 'I', 'F', '8', '9', 'a'}), CodecError);
    EXPECT_THROW(DecodePicture(Bytes{'B'}), CodecError);
    EXPECT_THROW(DecodePicture(Bytes{'B', 'M'}), CodecError);
    EXPECT_THROW(DecodePicture(Bytes{0xFF, 0xD8, 0xFF}), CodecError);
}
