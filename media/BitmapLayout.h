#pragma once
// Where the parts of a bitmap file lie, from the fields of its BITMAPINFOHEADER. Plain integers
// and no platform headers, so the arithmetic builds anywhere (the fuzz build uses it natively).
#include <cstdint>

const uint32_t kBitmapFileHeaderSize = 14;
const uint32_t kBitmapInfoHeaderSize = 40;
const uint32_t kBitmapCompressionRgb = 0;        // BI_RGB
const uint32_t kBitmapCompressionBitfields = 3;  // BI_BITFIELDS: three 32-bit masks follow the header
const uint32_t kBitmapMaskBytes = 12;

// The header fields the layout depends on.
struct BitmapHeaderFields {
    int32_t width;
    int32_t height;  // negative: rows run top-down
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    uint32_t clrUsed;
};

// Offsets and sizes of a packed bitmap (header, masks, colour table, pixels in one block) and of
// the file written from it (a 14-byte file header, then the block).
struct BitmapLayout {
    uint32_t maskBytes;   // 12 for BI_BITFIELDS, else 0
    uint32_t colors;      // colour-table entries
    uint32_t imageSize;   // pixel bytes written
    uint32_t bitsOffset;  // where the pixels start in the block
    uint32_t blockSize;   // bytes of the block that go to the file
    uint32_t roomSize;    // bytes to allocate: never less than the rows the header describes
    uint32_t fileSize;    // bfSize
    uint32_t offBits;     // bfOffBits
};

// 1, 4, 8, 16, 24 or 32.
bool IsPackableBitCount(uint32_t bitCount);
// Bytes of one row of width pixels, rounded up to 4; 0 when width is not positive or too wide.
uint32_t BitmapRowStride(int32_t width, uint32_t bitCount);
// clrUsed when set; otherwise 2^bitCount up to 8 bits per pixel, and none above.
uint32_t BitmapColorCount(uint32_t bitCount, uint32_t clrUsed);
// False when the bit count is not packable, the width is not positive, or the file with room for
// every described row would pass 0x7FFFFFFF bytes (sizes travel as signed 32-bit counts).
bool ComputeBitmapLayout(const BitmapHeaderFields& header, BitmapLayout* layout);
// The 14-byte BITMAPFILEHEADER for a layout, little-endian.
void WriteBitmapFileHeader(const BitmapLayout& layout, uint8_t out[kBitmapFileHeaderSize]);
// Bytes of a width x height picture at bitCount as the media detector delivers it: a 40-byte
// header and padded rows; 0 when a size is not positive or too large.
uint32_t DetectorBufferSize(int32_t width, int32_t height, uint32_t bitCount);
