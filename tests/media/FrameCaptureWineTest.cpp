// Still frames of real clips through Wine's DirectShow, written to real files.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/Scoped.h"
#include "media/BitmapWriter.h"
#include "media/FrameCapture.h"
#include "support/TestSupport.h"

namespace {
HBITMAP Grab(const char* clip, uint32_t ms, int width, int height) {
    ScopedGetDC screen(nullptr);
    return GrabFrame(TestMediaPath(clip).c_str(), ms, width, height, screen);
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    std::vector<char> chunk(1 << 16);
    DWORD got = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) && got > 0)
        bytes.append(chunk.data(), got);
    CloseHandle(file);
    return bytes;
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
    int width = Field<int32_t>(bmp, 18), height = Field<int32_t>(bmp, 22);
    int bytesPerPixel = Field<uint16_t>(bmp, 28) / 8;
    size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    size_t at = Field<uint32_t>(bmp, 10) + static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * bytesPerPixel;
    if (at + 3 > bmp.size()) return "out";
    std::string level;
    for (int channel : {2, 1, 0}) {
        unsigned char value = static_cast<unsigned char>(bmp[at + static_cast<size_t>(channel)]);
        level += value > 170 ? '+' : value < 70 ? '-' : '?';
    }
    return level;
}

}  // namespace

TEST(FrameCaptureWine, ColourBarsLandInTheFileAtTheirPlaces) {
    // The seven upper bars of the SMPTE pattern, left to right.
    const char* bars[] = {"+++", "++-", "-++", "-+-", "+-+", "+--", "--+"};
    std::string folder = TestScratchFolder("capture-bars");
    ScopedGetDC screen(nullptr);
    int depth = GetDeviceCaps(screen, BITSPIXEL);
    struct Size {
        int width, height;
    } sizes[] = {{320, 240}, {160, 120}, {480, 360}};  // the native size, and scaled both ways
    for (const Size& size : sizes) {
        ScopedGdiObject bitmap(Grab("bars30.avi", 1000, size.width, size.height));
        ASSERT_TRUE(bitmap.Get()) << size.width;
        std::string path = folder + "\\bars.bmp";
        // Saving over an existing, longer file replaces it.
        ASSERT_TRUE(WriteTestFile(path, std::string(2000000, 'x')));
        ASSERT_TRUE(SaveBitmapFile(path.c_str(), bitmap.Bitmap()));
        std::string bmp = FileBytes(path);
        ASSERT_EQ("BM", bmp.substr(0, 2));
        EXPECT_EQ(bmp.size(), Field<uint32_t>(bmp, 2));
        uint32_t compression = Field<uint32_t>(bmp, 30);
        // No colour table above 8 bits; the masks come along when the header reports them.
        EXPECT_EQ(compression == BI_BITFIELDS ? 66u : 54u, Field<uint32_t>(bmp, 10));
        EXPECT_EQ(size.width, Field<int32_t>(bmp, 18));
        EXPECT_EQ(size.height, Field<int32_t>(bmp, 22));
        EXPECT_EQ(depth, Field<uint16_t>(bmp, 28));
        for (int bar = 0; bar < 7; ++bar) {
            int x = (2 * bar + 1) * size.width / 14;
            EXPECT_EQ(bars[bar], Level(bmp, x, size.height / 4)) << size.width << " bar " << bar;
        }
    }
}

TEST(FrameCaptureWine, TwoPositionsOfAMovingPictureDiffer) {
    ScopedGdiObject early(Grab("wide.avi", 100, 640, 360));
    ScopedGdiObject again(Grab("wide.avi", 100, 640, 360));
    ScopedGdiObject late(Grab("wide.avi", 800, 640, 360));
    ASSERT_TRUE(early.Get() && again.Get() && late.Get());
    EXPECT_TRUE(Pixels24(early.Bitmap(), 640, 360) == Pixels24(again.Bitmap(), 640, 360));
    EXPECT_FALSE(Pixels24(early.Bitmap(), 640, 360) == Pixels24(late.Bitmap(), 640, 360));
}

TEST(FrameCaptureWine, AClipThatPlayedToItsEndGivesItsLastFrame) {
    // The one-second clip's last frame starts at 967 ms; a finished clip's position is its end.
    ScopedGdiObject last(Grab("wide.avi", 990, 640, 360));
    ASSERT_TRUE(last.Get());
    for (uint32_t ms : {1000u, 60000u}) {
        ScopedGdiObject atEnd(Grab("wide.avi", ms, 640, 360));
        ASSERT_TRUE(atEnd.Get()) << ms;
        EXPECT_TRUE(Pixels24(last.Bitmap(), 640, 360) == Pixels24(atEnd.Bitmap(), 640, 360)) << ms;
    }
}

TEST(FrameCaptureWine, NoBitmapWithoutVideo) {
    EXPECT_EQ(nullptr, Grab("audio.wav", 500, 320, 240));
    std::string folder = TestScratchFolder("capture-none");
    ASSERT_TRUE(WriteTestFile(folder + "\\notes.avi", "not a movie"));
    ScopedGetDC screen(nullptr);
    EXPECT_EQ(nullptr, GrabFrame((folder + "\\notes.avi").c_str(), 0, 320, 240, screen));
}
