// Bitmap layout: a row's stride is the fewest bytes, in whole 4-byte words, that hold its pixels;
// the colour count is biClrUsed or, without it, a full palette up to 8 bits; the pixels start
// behind the 14-byte file header, the 40-byte info header, the masks and the colour table, and
// the file ends after the image; the block has room for every row the header describes. Every
// figure is the exact one, or the header is refused: nothing wraps past a signed 32-bit size.
#include <algorithm>

#include "fuzz/FuzzCheck.h"
#include "media/BitmapLayout.h"

namespace {

// Sizes go to allocations and to the file's 32-bit fields; beyond this they are refused.
const uint64_t kLargest = 0x7FFFFFFF;

// The exact stride, with no limit.
uint64_t ExactStride(int32_t width, uint32_t bitCount) {
    return width <= 0 ? 0 : (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
}

void CheckLayout(const BitmapHeaderFields& h) {
    uint64_t stride = ExactStride(h.width, h.bitCount);
    bool depth = h.bitCount != 0 && h.bitCount <= 32;
    FUZZ_CHECK(BitmapRowStride(h.width, h.bitCount) == (depth && stride <= kLargest ? stride : 0));
    uint32_t colors = BitmapColorCount(h.bitCount, h.clrUsed);
    FUZZ_CHECK(colors == (h.clrUsed ? h.clrUsed : h.bitCount <= 8 ? 1u << h.bitCount : 0));
    uint64_t detector = 40 + stride * std::max(h.height, 0);
    bool sized = stride != 0 && depth && h.height > 0 && detector <= kLargest;
    FUZZ_CHECK(DetectorBufferSize(h.width, h.height, h.bitCount) == (sized ? detector : 0));

    BitmapLayout layout;
    bool computed = ComputeBitmapLayout(h, &layout);
    uint64_t described = stride * (h.height < 0 ? -static_cast<int64_t>(h.height) : h.height);
    uint64_t image = h.sizeImage != 0 ? h.sizeImage : described;
    uint64_t masks = h.compression == kBitmapCompressionBitfields ? 12 : 0;
    uint64_t bitsOffset = 40 + masks + 4ull * colors;
    uint64_t room = bitsOffset + std::max(described, image);
    FUZZ_CHECK(computed == (IsPackableBitCount(h.bitCount) && stride != 0 && stride <= kLargest && 14 + room <= kLargest));
    if (!computed) return;
    FUZZ_CHECK(layout.maskBytes == masks && layout.colors == colors && layout.imageSize == image);
    FUZZ_CHECK(layout.bitsOffset == bitsOffset && layout.offBits == 14 + bitsOffset);
    FUZZ_CHECK(layout.blockSize == bitsOffset + image && layout.fileSize == 14 + layout.blockSize);
    FUZZ_CHECK(layout.roomSize == room);

    uint8_t file[kBitmapFileHeaderSize];
    WriteBitmapFileHeader(layout, file);
    FUZZ_CHECK(file[0] == 'B' && file[1] == 'M' && LittleEndian32(file + 6) == 0);
    FUZZ_CHECK(static_cast<uint32_t>(LittleEndian32(file + 2)) == layout.fileSize &&
               static_cast<uint32_t>(LittleEndian32(file + 10)) == layout.offBits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    BitmapHeaderFields header = {input.ConsumeIntegral<int32_t>(),  input.ConsumeIntegral<int32_t>(),
                                 input.ConsumeIntegral<uint16_t>(), input.ConsumeIntegral<uint32_t>(),
                                 input.ConsumeIntegral<uint32_t>(), input.ConsumeIntegral<uint32_t>()};
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
    CheckLayout(header);
    return 0;
}
