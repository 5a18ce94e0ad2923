// Picture scaling: the scaler reads only the source's rows and writes only the target's (both
// buffers end right after their last row's pixels, so AddressSanitizer sees any step past
// them), leaves the rows' padding alone, and writes nothing when a size or a stride is unusable.
// Every target pixel is the source pixel whose centre lies nearest its own (rows counted from
// the bottom whichever way the source runs), so the same size copies the picture and a uniform
// picture stays uniform.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/PictureScale.h"

namespace {

const uint8_t kPadding = 0x5A;
const uint8_t kTag = 0xA5;

enum Content { Coordinates, Uniform, Bytes };

struct Picture {
    int32_t width;
    int32_t height;
    uint32_t stride;
    std::vector<uint8_t> bytes;  // ends right after the last row's pixels

    uint8_t* At(int32_t x, int32_t row) { return &bytes[static_cast<size_t>(row) * stride + 3 * static_cast<size_t>(x)]; }
};

Picture Make(int32_t width, int32_t height, uint32_t stride) {
    Picture picture = {width, height, stride, {}};
    picture.bytes.assign(static_cast<size_t>(height - 1) * stride + 3 * static_cast<size_t>(width), kPadding);
    return picture;
}

// Coordinates: each pixel names its own column and its row counted from the bottom.
void Fill(Picture* source, Content content, bool topDown, FuzzedDataProvider* input) {
    uint8_t colour[3] = {input->ConsumeIntegral<uint8_t>(), input->ConsumeIntegral<uint8_t>(),
                         input->ConsumeIntegral<uint8_t>()};
    for (int32_t row = 0; row < source->height; ++row) {
        int32_t y = topDown ? source->height - 1 - row : row;
        for (int32_t x = 0; x < source->width; ++x) {
            uint8_t* pixel = source->At(x, row);
            if (content == Coordinates) {
                pixel[0] = static_cast<uint8_t>(x);
                pixel[1] = static_cast<uint8_t>(y);
                pixel[2] = kTag;
            } else if (content == Uniform) {
                memcpy(pixel, colour, 3);
            } else {
                for (int c = 0; c < 3; ++c) pixel[c] = input->ConsumeIntegral<uint8_t>();
            }
        }
    }
}

// Source index s is nearest target index t when their centres lie within half a source pixel.
bool Nearest(int32_t s, int32_t t, int32_t sources, int32_t targets) {
    int64_t gap = (2 * static_cast<int64_t>(s) + 1) * targets - (2 * static_cast<int64_t>(t) + 1) * sources;
    return s >= 0 && s < sources && std::llabs(gap) <= targets;
}

void CheckPadding(Picture& target) {
    for (int32_t row = 0; row + 1 < target.height; ++row)
        for (uint32_t b = 3 * static_cast<uint32_t>(target.width); b < target.stride; ++b)
            FUZZ_CHECK(target.bytes[static_cast<size_t>(row) * target.stride + b] == kPadding);
}

void CheckPixels(Picture& source, Picture& target, Content content, bool topDown) {
    bool same = source.width == target.width && source.height == target.height;
    for (int32_t y = 0; y < target.height; ++y) {
        for (int32_t x = 0; x < target.width; ++x) {
            const uint8_t* pixel = target.At(x, y);
            if (content == Coordinates) {
                FUZZ_CHECK(pixel[2] == kTag);
                FUZZ_CHECK(Nearest(pixel[0], x, source.width, target.width));
                FUZZ_CHECK(Nearest(pixel[1], y, source.height, target.height));
            } else if (content == Uniform) {
                FUZZ_CHECK(memcmp(pixel, source.At(0, 0), 3) == 0);
            }
            if (same) FUZZ_CHECK(memcmp(pixel, source.At(x, topDown ? source.height - 1 - y : y), 3) == 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // Coordinates fit a byte each; the source may be the larger or the smaller. Small pictures
    // keep the test run short and still give every ratio between 1:160 and 128:1.
    int32_t width = input.ConsumeIntegralInRange(1, 128);
    int32_t height = input.ConsumeIntegralInRange(1, 128);
    Picture source = Make(width, height, 3 * width + input.ConsumeIntegralInRange(0, 7));
    if (!input.ConsumeBool()) width = input.ConsumeIntegralInRange(1, 160);
    if (!input.ConsumeBool()) height = input.ConsumeIntegralInRange(1, 160);
    Picture target = Make(width, height, 3 * width + input.ConsumeIntegralInRange(0, 7));
    bool topDown = input.ConsumeBool();
    Content content = static_cast<Content>(input.ConsumeIntegralInRange(0, 2));
    int spoil = input.ConsumeIntegralInRange(0, 15);
    Fill(&source, content, topDown, &input);

    // Any one unusable argument leaves the target as it was.
    const uint8_t* src = source.bytes.data();
    uint8_t* dst = target.bytes.data();
    int32_t srcWidth = source.width, srcHeight = source.height, dstWidth = target.width, dstHeight = target.height;
    uint32_t srcStride = source.stride, dstStride = target.stride;
    int32_t unusable = input.ConsumeIntegralInRange(INT32_MIN, 0);
    switch (spoil) {
        case 0: src = nullptr; break;
        case 1: dst = nullptr; break;
        case 2: srcWidth = unusable; break;
        case 3: srcHeight = unusable; break;
        case 4: dstWidth = unusable; break;
        case 5: dstHeight = unusable; break;
        case 6: srcStride = input.ConsumeIntegralInRange<uint32_t>(0, 3 * source.width - 1); break;
        case 7: dstStride = input.ConsumeIntegralInRange<uint32_t>(0, 3 * target.width - 1); break;
        default: spoil = -1;
    }
    std::vector<uint8_t> before = target.bytes;
    ScalePicture24(src, srcWidth, srcHeight, srcStride, topDown, dst, dstWidth, dstHeight, dstStride);
    if (spoil >= 0) {
        FUZZ_CHECK(target.bytes == before);
        return 0;
    }
    CheckPadding(target);
    CheckPixels(source, target, content, topDown);
    return 0;
}
