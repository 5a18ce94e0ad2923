#include "media/PictureScale.h"

#include <cstring>

namespace {
// The source index whose centre lies nearest the centre of target index i.
int32_t NearestSource(int32_t i, int32_t target, int32_t source) {
    return static_cast<int32_t>((2 * static_cast<int64_t>(i) + 1) * source / (2 * static_cast<int64_t>(target)));
}
}  // namespace

void ScalePicture24(const uint8_t* src, int32_t srcWidth, int32_t srcHeight, uint32_t srcStride, bool srcTopDown,
                    uint8_t* dst, int32_t dstWidth, int32_t dstHeight, uint32_t dstStride) {
    if (!src || !dst || srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0) return;
    if (srcStride / 3 < static_cast<uint32_t>(srcWidth) || dstStride / 3 < static_cast<uint32_t>(dstWidth)) return;
    for (int32_t y = 0; y < dstHeight; ++y) {
        int32_t sy = NearestSource(y, dstHeight, srcHeight);
        if (srcTopDown) sy = srcHeight - 1 - sy;
        const uint8_t* srcRow = src + static_cast<size_t>(sy) * srcStride;
        uint8_t* dstRow = dst + static_cast<size_t>(y) * dstStride;
        if (dstWidth == srcWidth) {
            memcpy(dstRow, srcRow, static_cast<size_t>(dstWidth) * 3);
            continue;
        }
        for (int32_t x = 0; x < dstWidth; ++x)
            memcpy(dstRow + 3 * static_cast<size_t>(x), srcRow + 3 * static_cast<size_t>(NearestSource(x, dstWidth, srcWidth)), 3);
    }
}
