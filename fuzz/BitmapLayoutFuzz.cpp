// Bitmap layout: a row's stride is the fewest bytes, in whole 4-byte words, that hold its pixels;
// the colour count is biClrUsed or, without it, a full palette up to 8 bits; the pixels start
// behind the 14-byte file header, the 40-byte info header, the masks and the colour table, and
// the file ends after the image; the block has room for every row the header describes. Every
// figure is the exact one, or the header is refused: nothing wraps past a signed 32-bit size.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz/FuzzCheck.h"
#include "media/BitmapLayout.h"

namespace {

// Sizes go to allocations and to the file's 32-bit fields; beyond this they are refused.
const uint64_t kLargest = 0x7FFFFFFF;

uint64_t Magnitude(int32_t value) { return value < 0 ? 0 - static_cast<int64_t>(value) : value; }

// The exact stride, with no limit.
uint64_t ExactStride(int32_t width, uint32_t bitCount) {
    uint64_t bits = static_cast<uint64_t>(width) * bitCount;
    return (bits + 7) / 8 + (4 - (bits + 7) / 8 % 4) % 4;
}

void CheckStride(int32_t width, uint32_t bitCount) {
    uint32_t stride = BitmapRowStride(width, bitCount);
    if (width <= 0 || bitCount == 0 || bitCount > 32) {
        FUZZ_CHECK(stride == 0);
        return;
    }
    uint64_t exact = ExactStride(width, bitCount);
    FUZZ_CHECK(stride == (exact > kLargest ? 0 : exact));
    if (stride == 0) return;
    FUZZ_CHECK(stride % 4 == 0);
    FUZZ_CHECK(8ull * stride >= static_cast<uint64_t>(width) * bitCount);
    FUZZ_CHECK(8ull * (stride - 4) < static_cast<uint64_t>(width) * bitCount);
}

void CheckColors(uint32_t bitCount, uint32_t clrUsed) {
    uint32_t colors = BitmapColorCount(bitCount, clrUsed);
    if (clrUsed != 0) FUZZ_CHECK(colors == clrUsed);
    else if (bitCount <= 8) FUZZ_CHECK(colors == 1u << bitCount);
    else FUZZ_CHECK(colors == 0);
}

uint32_t ReadLittleEndian(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void CheckLayout(const BitmapHeaderFields& header) {
    const uint32_t marker = 0xA5A5A5A5;
    BitmapLayout layout = {marker, marker, marker, marker, marker, marker, marker, marker};
    bool computed = ComputeBitmapLayout(header, &layout);
    FUZZ_CHECK(!ComputeBitmapLayout(header, nullptr));

    bool packable = header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 || header.bitCount == 16 ||
                    header.bitCount == 24 || header.bitCount == 32;
    FUZZ_CHECK(IsPackableBitCount(header.bitCount) == packable);
    uint64_t stride = header.width > 0 ? ExactStride(header.width, header.bitCount) : 0;
    uint64_t described = stride * Magnitude(header.height);
    uint64_t image = header.sizeImage != 0 ? header.sizeImage : described;
    uint64_t masks = header.compression == kBitmapCompressionBitfields ? 12 : 0;
    uint64_t colors = header.clrUsed != 0 ? header.clrUsed : header.bitCount <= 8 ? 1u << header.bitCount : 0;
    uint64_t bitsOffset = 40 + masks + 4 * colors;
    uint64_t room = bitsOffset + (described > image ? described : image);
    bool fits = packable && stride != 0 && stride <= kLargest && 14 + room <= kLargest;
    FUZZ_CHECK(computed == fits);
    if (!computed) {
        FUZZ_CHECK(layout.fileSize == marker && layout.offBits == marker && layout.roomSize == marker);
        return;
    }
    FUZZ_CHECK(layout.maskBytes == masks && layout.colors == colors);
    FUZZ_CHECK(layout.imageSize == image);
    FUZZ_CHECK(layout.bitsOffset == bitsOffset && layout.offBits == 14 + bitsOffset);
    FUZZ_CHECK(layout.blockSize == bitsOffset + image && layout.fileSize == 14 + layout.blockSize);
    FUZZ_CHECK(layout.roomSize == room && layout.roomSize >= layout.blockSize);
    if (header.sizeImage == 0) FUZZ_CHECK(layout.fileSize == layout.offBits + described);

    uint8_t file[kBitmapFileHeaderSize];
    WriteBitmapFileHeader(layout, file);
    FUZZ_CHECK(file[0] == 'B' && file[1] == 'M');
    FUZZ_CHECK(ReadLittleEndian(file + 2) == layout.fileSize);
    FUZZ_CHECK(ReadLittleEndian(file + 6) == 0);
    FUZZ_CHECK(ReadLittleEndian(file + 10) == layout.offBits);
}

void CheckDetectorBuffer(int32_t width, int32_t height, uint32_t bitCount) {
    uint32_t size = DetectorBufferSize(width, height, bitCount);
    bool sized = width > 0 && height > 0 && bitCount != 0 && bitCount <= 32;
    uint64_t exact = sized ? 40 + ExactStride(width, bitCount) * static_cast<uint64_t>(height) : 0;
    FUZZ_CHECK(size == (exact > kLargest ? 0 : exact));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    BitmapHeaderFields header;
    header.width = input.ConsumeIntegral<int32_t>();
    header.height = input.ConsumeIntegral<int32_t>();
    header.bitCount = input.ConsumeIntegral<uint16_t>();
    header.compression = input.ConsumeIntegral<uint32_t>();
    header.sizeImage = input.ConsumeIntegral<uint32_t>();
    header.clrUsed = input.ConsumeIntegral<uint32_t>();
    if (input.ConsumeBool()) {
        // Usually what the platform reports for a screen bitmap.
        const uint16_t depths[] = {1, 4, 8, 16, 24, 32};
        header.width = input.ConsumeIntegralInRange(-1, 1 << 16);
        header.height = input.ConsumeIntegralInRange(-(1 << 16), 1 << 16);
        header.bitCount = depths[input.ConsumeIntegralInRange(0, 5)];
        header.compression = input.ConsumeIntegralInRange(0, 3);
        header.sizeImage = input.ConsumeBool() ? 0 : header.sizeImage;
        header.clrUsed = input.ConsumeBool() ? 0 : input.ConsumeIntegralInRange(0, 256);
    }

    CheckStride(header.width, header.bitCount);
    CheckColors(header.bitCount, header.clrUsed);
    CheckLayout(header);
    CheckDetectorBuffer(header.width, header.height, header.bitCount);
    return 0;
}
