// Picture scaling: the scaler reads only the source's rows and writes only the target's (both
// buffers end right after their last row's pixels, so AddressSanitizer sees any step past
// them), leaves the rows' padding alone, and writes nothing when a size or a stride is unusable.
// Every target pixel is the source pixel whose centre lies nearest its own (rows counted from
// the bottom whichever way the source runs), so the same size copies the picture.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/PictureScale.h"

namespace {

const uint8_t kPadding = 0x5A;
const uint8_t kTag = 0xA5;

struct Picture {
    int32_t width, height;
    uint32_t stride;
    std::vector<uint8_t> bytes;  // ends right after the last row's pixels

    Picture(int32_t w, int32_t h, uint32_t s) : width(w), height(h), stride(s), bytes((h - 1) * s + 3 * w, kPadding) {}
    uint8_t* At(int32_t x, int32_t row) { return &bytes[row * stride + 3 * x]; }
};

// Source index s is nearest target index t when their centres lie within half a source pixel.
bool Nearest(int32_t s, int32_t t, int32_t sources, int32_t targets) {
    int64_t gap = (2 * static_cast<int64_t>(s) + 1) * targets - (2 * static_cast<int64_t>(t) + 1) * sources;
    return s >= 0 && s < sources && std::llabs(gap) <= targets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // Coordinates fit a byte each; the source may be the larger or the smaller. Small pictures
    // keep the test run short and still give every ratio between 1:160 and 128:1.
    int32_t width = input.ConsumeIntegralInRange(1, 128), height = input.ConsumeIntegralInRange(1, 128);
    Picture source(width, height, 3 * width + input.ConsumeIntegralInRange(0, 7));
    if (input.ConsumeBool()) width = input.ConsumeIntegralInRange(1, 160);
    if (input.ConsumeBool()) height = input.ConsumeIntegralInRange(1, 160);
    Picture target(width, height, 3 * width + input.ConsumeIntegralInRange(0, 7));
    bool topDown = input.ConsumeBool();
    // Each pixel names its own column and its row counted from the bottom.
    for (int32_t row = 0; row < source.height; ++row)
        for (int32_t x = 0; x < source.width; ++x) {
            uint8_t* pixel = source.At(x, row);
            pixel[0] = static_cast<uint8_t>(x);
            pixel[1] = static_cast<uint8_t>(topDown ? source.height - 1 - row : row);
            pixel[2] = kTag;
        }

    // Any one unusable argument leaves the target as it was.
    const uint8_t* src = source.bytes.data();
    uint8_t* dst = target.bytes.data();
    int32_t sizes[4] = {source.width, source.height, target.width, target.height};
    uint32_t srcStride = source.stride, dstStride = target.stride;
    int spoil = input.ConsumeIntegralInRange(0, 15);
    if (spoil == 0) src = nullptr;
    else if (spoil == 1) dst = nullptr;
    else if (spoil <= 5) sizes[spoil - 2] = input.ConsumeIntegralInRange(INT32_MIN, 0);
    else if (spoil == 6) srcStride = input.ConsumeIntegralInRange<uint32_t>(0, 3 * source.width - 1);
    else if (spoil == 7) dstStride = input.ConsumeIntegralInRange<uint32_t>(0, 3 * target.width - 1);
    std::vector<uint8_t> before = target.bytes;
    ScalePicture24(src, sizes[0], sizes[1], srcStride, topDown, dst, sizes[2], sizes[3], dstStride);
    if (spoil <= 7) {
        FUZZ_CHECK(target.bytes == before);
        return 0;
    }
    for (int32_t y = 0; y < target.height; ++y) {
        for (int32_t x = 0; x < target.width; ++x) {
            const uint8_t* pixel = target.At(x, y);
            FUZZ_CHECK(pixel[2] == kTag && Nearest(pixel[0], x, source.width, target.width) &&
                       Nearest(pixel[1], y, source.height, target.height));
        }
        for (uint32_t b = 3 * target.width; y + 1 < target.height && b < target.stride; ++b)
            FUZZ_CHECK(target.bytes[y * target.stride + b] == kPadding);
    }
    return 0;
}
