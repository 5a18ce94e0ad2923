#pragma once
// Resizing a 24-bit picture. Plain integers and no platform headers.
#include <cstdint>

// Nearest-neighbour copy of a 24-bit picture into dstWidth x dstHeight bottom-up rows of
// dstStride bytes. The source rows are srcStride bytes apart, bottom-up unless srcTopDown. Does
// nothing when a size is not positive or a stride is shorter than its row.
void ScalePicture24(const uint8_t* src, int32_t srcWidth, int32_t srcHeight, uint32_t srcStride, bool srcTopDown,
                    uint8_t* dst, int32_t dstWidth, int32_t dstHeight, uint32_t dstStride);
