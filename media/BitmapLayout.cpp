#include "media/BitmapLayout.h"

namespace {
const uint64_t kLimit = 0x7FFFFFFFu;

void PutLittleEndian(uint8_t* out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t Magnitude(int32_t value) { return value < 0 ? 0 - static_cast<int64_t>(value) : static_cast<uint64_t>(value); }
}  // namespace

bool IsPackableBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

uint32_t BitmapRowStride(int32_t width, uint32_t bitCount) {
    if (width <= 0 || bitCount == 0 || bitCount > 32) return 0;
    uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    return stride > kLimit ? 0 : static_cast<uint32_t>(stride);
}

uint32_t BitmapColorCount(uint32_t bitCount, uint32_t clrUsed) {
    if (clrUsed != 0) return clrUsed;
    if (bitCount <= 8) return 1u << bitCount;
    return 0;
}

bool ComputeBitmapLayout(const BitmapHeaderFields& header, BitmapLayout* layout) {
    if (!layout || !IsPackableBitCount(header.bitCount)) return false;
    uint64_t stride = BitmapRowStride(header.width, header.bitCount);
    if (stride == 0) return false;
    uint64_t described = stride * Magnitude(header.height);
    uint64_t image = header.sizeImage != 0 ? header.sizeImage : described;
    uint64_t colors = BitmapColorCount(header.bitCount, header.clrUsed);
    // A platform that reports the masks writes them after the header, in front of any colour table.
    uint64_t masks = header.compression == kBitmapCompressionBitfields ? kBitmapMaskBytes : 0;
    uint64_t bitsOffset = kBitmapInfoHeaderSize + masks + 4 * colors;
    uint64_t block = bitsOffset + image;
    uint64_t room = bitsOffset + (described > image ? described : image);
    if (room + kBitmapFileHeaderSize > kLimit) return false;
    layout->maskBytes = static_cast<uint32_t>(masks);
    layout->colors = static_cast<uint32_t>(colors);
    layout->imageSize = static_cast<uint32_t>(image);
    layout->bitsOffset = static_cast<uint32_t>(bitsOffset);
    layout->blockSize = static_cast<uint32_t>(block);
    layout->roomSize = static_cast<uint32_t>(room);
    layout->fileSize = static_cast<uint32_t>(kBitmapFileHeaderSize + block);
    layout->offBits = static_cast<uint32_t>(kBitmapFileHeaderSize + bitsOffset);
    return true;
}

void WriteBitmapFileHeader(const BitmapLayout& layout, uint8_t out[kBitmapFileHeaderSize]) {
    out[0] = 'B';
    out[1] = 'M';
    PutLittleEndian(out + 2, layout.fileSize, 4);
    PutLittleEndian(out + 6, 0, 4);  // both reserved words
    PutLittleEndian(out + 10, layout.offBits, 4);
}

uint32_t DetectorBufferSize(int32_t width, int32_t height, uint32_t bitCount) {
    if (height <= 0) return 0;
    uint64_t stride = BitmapRowStride(width, bitCount);
    uint64_t size = kBitmapInfoHeaderSize + stride * static_cast<uint64_t>(height);
    return stride == 0 || size > kLimit ? 0 : static_cast<uint32_t>(size);
}
