// Still frames of real clips through Wine's DirectShow, written to real files.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/Scoped.h"
#include "media/BitmapWriter.h"
#include "media/FrameCapture.h"
#include "support/TestSupport.h"

namespace {
const DWORD kMasks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};

HBITMAP Grab(const std::string& path, uint32_t ms, int width, int height) {
    ScopedGetDC screen(nullptr);
    return GrabFrame(path.c_str(), ms, width, height, screen);
}
std::vector<BYTE> WidePixels(const char* clip, uint32_t ms) {
    ScopedGdiObject bitmap(Grab(TestMediaPath(clip), ms, 640, 360));
    return bitmap.Get() ? Pixels24(bitmap.Bitmap(), 640, 360) : std::vector<BYTE>();
}

template <class T>
T Field(const std::string& bytes, size_t at) {
    T value = 0;
    if (at + sizeof(T) <= bytes.size()) memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

// Pixel (x, y) of a 24- or 32-bit .bmp file with y counted from the top, as "RGB" where each
// letter is the channel's level: '+' for bright, '-' for dark, '?' between (JPEG blurs edges).
std::string Level(const std::string& bmp, int x, int y) {
    size_t bytesPerPixel = Field<uint16_t>(bmp, 28) / 8;
    size_t stride = (Field<uint32_t>(bmp, 18) * bytesPerPixel + 3) / 4 * 4;
    size_t at = Field<uint32_t>(bmp, 10) + (Field<uint32_t>(bmp, 22) - 1 - y) * stride + x * bytesPerPixel;
    std::string level;
    for (size_t channel : {2, 1, 0}) {
        unsigned char value = at + 3 <= bmp.size() ? static_cast<unsigned char>(bmp[at + channel]) : 100;
        level += value > 170 ? '+' : value < 70 ? '-' : '?';
    }
    return level;
}
}  // namespace

TEST(FrameCaptureWine, ColourBarsLandInTheFileAtTheirPlaces) {
    // The seven upper bars of the SMPTE pattern, left to right.
    const char* bars[] = {"+++", "++-", "-++", "-+-", "+-+", "+--", "--+"};
    std::string path = TestScratchFolder("capture-bars") + "\\bars.bmp";
    ScopedGetDC screen(nullptr);
    int depth = GetDeviceCaps(screen, BITSPIXEL);
    for (int width : {320, 160, 480}) {  // the native size, and scaled both ways
        int height = width * 3 / 4;
        ScopedGdiObject bitmap(Grab(TestMediaPath("bars30.avi"), 1000, width, height));
        ASSERT_TRUE(bitmap.Get()) << width;
        // Saving over an existing, longer file replaces it.
        ASSERT_TRUE(WriteTestFile(path, std::string(2000000, 'x')));
        ASSERT_TRUE(SaveBitmapFile(path.c_str(), bitmap.Bitmap()));
        std::string bmp = ReadTestFile(path);
        ASSERT_EQ("BM", bmp.substr(0, 2));
        EXPECT_EQ(bmp.size(), Field<uint32_t>(bmp, 2));
        // At the screen's own depth; no colour table above 8 bits, the masks when the header has them.
        EXPECT_EQ(Field<uint32_t>(bmp, 30) == BI_BITFIELDS ? 66u : 54u, Field<uint32_t>(bmp, 10));
        EXPECT_EQ(depth, Field<uint16_t>(bmp, 28));
        EXPECT_TRUE(depth != 32 || memcmp(kMasks, bmp.data() + 54, sizeof(kMasks)) == 0);  // red, green, blue
        for (int bar = 0; bar < 7; ++bar)
            EXPECT_EQ(bars[bar], Level(bmp, (2 * bar + 1) * width / 14, height / 4)) << width << " bar " << bar;
    }
}

TEST(FrameCaptureWine, PositionsGiveTheirOwnFramesPastTheEndTheLastAndNoVideoNone) {
    std::vector<BYTE> early = WidePixels("wide.avi", 100);
    ASSERT_FALSE(early.empty());
    EXPECT_TRUE(early == WidePixels("wide.avi", 100));
    EXPECT_FALSE(early == WidePixels("wide.avi", 800));
    // The one-second clip's last frame starts at 967 ms; a finished clip's position is its end.
    std::vector<BYTE> last = WidePixels("wide.avi", 990);
    ASSERT_FALSE(last.empty());
    for (uint32_t ms : {1000u, 60000u}) EXPECT_TRUE(last == WidePixels("wide.avi", ms)) << ms;

    EXPECT_EQ(nullptr, Grab(TestMediaPath("audio.wav"), 500, 320, 240));
    std::string notes = TestScratchFolder("capture-none") + "\\notes.avi";
    ASSERT_TRUE(WriteTestFile(notes, "not a movie"));
    EXPECT_EQ(nullptr, Grab(notes, 0, 320, 240));
}
