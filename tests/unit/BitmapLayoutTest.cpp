#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "media/BitmapLayout.h"
#include "media/PictureScale.h"

namespace {
struct LayoutCase {
    const char* what;
    BitmapHeaderFields header;
    uint32_t colors, imageSize, offBits, fileSize, roomSize;
};
}  // namespace

TEST(BitmapLayout, OffsetsAndSizesFollowTheHeader) {
    const LayoutCase cases[] = {
        {"32-bit display, no table", {320, 240, 32, 0, 0, 0}, 0, 307200, 54, 307254, 307240},
        {"32-bit with masks", {320, 240, 32, 3, 307200, 0}, 0, 307200, 66, 307266, 307252},
        {"8-bit display carries 256 entries", {320, 240, 8, 0, 0, 0}, 256, 76800, 1078, 77878, 77864},
        {"used colours win", {320, 240, 8, 0, 0, 16}, 16, 76800, 118, 76918, 76904},
        {"24-bit rows padded to 4 bytes", {5, -3, 24, 0, 0, 0}, 0, 48, 54, 102, 88},
        {"1-bit", {33, 1, 1, 0, 0, 0}, 2, 8, 62, 70, 56},
        // A header that claims fewer bytes than its rows still gets room for all of them.
        {"short sizeImage", {4, 4, 32, 0, 10, 0}, 0, 10, 54, 64, 104},
    };
    for (const LayoutCase& c : cases) {
        BitmapLayout layout = {};
        ASSERT_TRUE(ComputeBitmapLayout(c.header, &layout)) << c.what;
        EXPECT_EQ(c.colors, layout.colors) << c.what;
        EXPECT_EQ(c.imageSize, layout.imageSize) << c.what;
        EXPECT_EQ(c.offBits, layout.offBits) << c.what;
        EXPECT_EQ(c.fileSize, layout.fileSize) << c.what;
        EXPECT_EQ(c.roomSize, layout.roomSize) << c.what;
        EXPECT_EQ(layout.fileSize - 14, layout.blockSize) << c.what;
    }
}

TEST(BitmapLayout, UnpackableOrOversizedHeadersAreRefused) {
    BitmapLayout layout;
    for (uint16_t bits : {0, 12, 48}) EXPECT_FALSE(ComputeBitmapLayout({8, 8, bits, 0, 0, 0}, &layout)) << bits;
    EXPECT_FALSE(ComputeBitmapLayout({0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, 0}, &layout));
    EXPECT_FALSE(ComputeBitmapLayout({0x7FFFFFFF, 1, 32, 0, 4, 0}, &layout));  // a row alone leaves 32 bits
    EXPECT_FALSE(ComputeBitmapLayout({0, 8, 32, 0, 0, 0}, &layout));
    EXPECT_FALSE(ComputeBitmapLayout({8, 8, 8, 0, 0, 0xFFFFFFFF}, &layout));
    EXPECT_FALSE(ComputeBitmapLayout({8, -2147483647 - 1, 32, 0, 0, 0}, &layout));
    EXPECT_EQ(0u, DetectorBufferSize(0, 240, 24));
    EXPECT_EQ(0u, DetectorBufferSize(0x7FFFFFFF, 0x7FFFFFFF, 24));
    EXPECT_EQ(40u + 12 * 3, DetectorBufferSize(3, 3, 24));
}

namespace {
// Pixel (x, y) counted from the bottom row, one byte per channel all equal to its value.
std::vector<uint8_t> Picture(int width, int height, uint32_t stride, const std::vector<uint8_t>& values) {
    std::vector<uint8_t> bytes(stride * height, 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) bytes[y * stride + 3 * x + c] = values[y * width + x];
    return bytes;
}

std::vector<uint8_t> Values(const std::vector<uint8_t>& bytes, int width, int height, uint32_t stride) {
    std::vector<uint8_t> values;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) values.push_back(bytes[y * stride + 3 * x]);
    return values;
}
}  // namespace

TEST(PictureScale, NearestPixelsBottomUpAndFlippedTopDown) {
    std::vector<uint8_t> source = Picture(2, 2, 8, {1, 2, 3, 4});  // bottom row 1 2, top row 3 4
    std::vector<uint8_t> target(12 * 4, 0);
    ScalePicture24(source.data(), 2, 2, 8, false, target.data(), 4, 4, 12);
    EXPECT_EQ((std::vector<uint8_t>{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}), Values(target, 4, 4, 12));
    std::vector<uint8_t> small(4, 0);
    ScalePicture24(source.data(), 2, 2, 8, true, small.data(), 1, 1, 4);
    EXPECT_EQ(2, small[0]);  // the centre rounds to the top-right pixel: first row of a top-down source
    std::vector<uint8_t> same(8 * 2, 0);
    ScalePicture24(source.data(), 2, 2, 8, true, same.data(), 2, 2, 8);
    EXPECT_EQ((std::vector<uint8_t>{3, 4, 1, 2}), Values(same, 2, 2, 8));
    // A stride too short for the row is refused rather than read past.
    std::vector<uint8_t> untouched(8 * 2, 9);
    ScalePicture24(source.data(), 2, 2, 5, false, untouched.data(), 2, 2, 8);
    EXPECT_EQ(std::vector<uint8_t>(16, 9), untouched);
}
