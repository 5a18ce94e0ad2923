// The bitmap writer against screen reads that play a platform's answers.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "media/BitmapWriter.h"
#include "media/ScreenDibReader.h"
#include "support/TestSupport.h"

namespace {
const DWORD kMasks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};

// Answers as a display of the given depth does: the header query fills the header (and, like
// Windows on a 16- or 32-bit display, the three masks behind it); the pixel read fills pixels
// counting 1, 2, 3, ...
class FakeScreen : public ScreenDibReader {
public:
    WORD bitCount = 32;
    DWORD compression = BI_BITFIELDS;
    std::vector<UINT> usages;

    int ReadBits(HBITMAP, UINT lines, void* bits, BITMAPINFO* info, UINT usage) override {
        usages.push_back(usage);
        BITMAPINFOHEADER& header = info->bmiHeader;
        header.biWidth = 3;
        header.biHeight = 2;
        header.biPlanes = 1;
        header.biBitCount = bitCount;
        header.biCompression = compression;
        DWORD stride = (3 * bitCount + 31) / 32 * 4;
        header.biSizeImage = stride * 2;
        if (compression == BI_BITFIELDS) memcpy(info->bmiColors, kMasks, sizeof(kMasks));
        if (bits)
            for (DWORD i = 0; i < header.biSizeImage; ++i) static_cast<BYTE*>(bits)[i] = static_cast<BYTE>(i + 1);
        return bits ? static_cast<int>(lines) : 1;
    }
    UINT ReadSystemPalette(UINT count, PALETTEENTRY* entries) override {
        for (UINT k = 0; k < count; ++k) entries[k] = {BYTE(k), BYTE(k + 1), BYTE(k + 2), BYTE(k + 3)};
        return count;
    }
};

DWORD Dword(const std::string& bytes, size_t at) { return bytes.size() >= at + 4 ? *reinterpret_cast<const DWORD*>(&bytes[at]) : 0; }
}  // namespace

// Real 24- and 32-bit screens are the capture tests'; here the masks and the palette of the others.
TEST(BitmapWriter, DepthDecidesMasksColourTableAndUsage) {
    const struct {
        WORD bits;
        DWORD compression, offBits;
        UINT pixelUsage;
    } cases[] = {{32, BI_BITFIELDS, 66, DIB_RGB_COLORS}, {8, BI_RGB, 54 + 1024, DIB_PAL_COLORS}};
    std::string path = TestScratchFolder("writer") + "\\depth.bmp";
    for (const auto& c : cases) {
        FakeScreen screen;
        screen.bitCount = c.bits;
        screen.compression = c.compression;
        PackedBitmap block = PackBitmap(reinterpret_cast<HBITMAP>(1), screen);
        ASSERT_TRUE(block && WritePackedBitmap(path.c_str(), block.get())) << c.bits;
        std::string bytes = ReadTestFile(path);
        EXPECT_EQ("BM", bytes.substr(0, 2));
        EXPECT_EQ(bytes.size(), Dword(bytes, 2)) << c.bits;
        EXPECT_EQ(c.offBits, Dword(bytes, 10)) << c.bits;
        EXPECT_EQ(c.compression, Dword(bytes, 30)) << c.bits;
        EXPECT_EQ(1, bytes[c.offBits]) << c.bits;  // the first pixel byte
        EXPECT_EQ(c.pixelUsage, screen.usages.back()) << c.bits;
        // The masks the header query wrote; or the system palette as RGBQUADs, peFlags reserved.
        if (c.bits == 32) EXPECT_EQ(0, memcmp(kMasks, bytes.data() + 54, sizeof(kMasks)));
        if (c.bits == 8) EXPECT_EQ(std::string("\7\6\5\10"), bytes.substr(54 + 20, 4));
    }
}
