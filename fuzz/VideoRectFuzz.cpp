// Fitting a picture: no picture size or no bounds writes nothing; otherwise the rectangle lies
// inside the bounds, is centred in them, fills them in one direction and keeps the picture's
// aspect to within a pixel (two where halving toward zero rounds edges that straddle the origin
// apart; client rectangles start at 0 and never do).
#include <cmath>

#include "fuzz/FuzzCheck.h"
#include "media/VideoRect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    RECT bounds = {input.ConsumeIntegral<int32_t>(), input.ConsumeIntegral<int32_t>(), input.ConsumeIntegral<int32_t>(),
                   input.ConsumeIntegral<int32_t>()};
    int videoWidth = input.ConsumeIntegral<int>(), videoHeight = input.ConsumeIntegral<int>();
    if (input.ConsumeBool()) {
        // Usually a client rectangle, as the layout passes, and a picture's size.
        bounds = {0, 0, input.ConsumeIntegralInRange(-1, 1 << 16), input.ConsumeIntegralInRange(-1, 1 << 16)};
        videoWidth = input.ConsumeIntegralInRange(-1, 8192), videoHeight = input.ConsumeIntegralInRange(-1, 8192);
    }
    RECT out = {-7, -7, -7, -7};
    double boundsWidth = static_cast<double>(bounds.right) - bounds.left;
    double boundsHeight = static_cast<double>(bounds.bottom) - bounds.top;
    bool valid = videoWidth > 0 && videoHeight > 0 && boundsWidth > 0 && boundsHeight > 0;
    FUZZ_CHECK(FitVideoRect(&out, &bounds, videoWidth, videoHeight) == valid);
    if (!valid) {
        FUZZ_CHECK(SameRect(out, {-7, -7, -7, -7}));
        return 0;
    }
    FUZZ_CHECK(out.left >= bounds.left && out.top >= bounds.top && out.right <= bounds.right &&
               out.bottom <= bounds.bottom && out.left <= out.right && out.top <= out.bottom);
    double leftGap = static_cast<double>(out.left) - bounds.left, rightGap = static_cast<double>(bounds.right) - out.right;
    double topGap = static_cast<double>(out.top) - bounds.top, bottomGap = static_cast<double>(bounds.bottom) - out.bottom;
    FUZZ_CHECK(std::fabs(leftGap - rightGap) <= 1 && std::fabs(topGap - bottomGap) <= 1);
    double width = static_cast<double>(out.right) - out.left, height = static_cast<double>(out.bottom) - out.top;
    FUZZ_CHECK(width >= boundsWidth - 1 || height >= boundsHeight - 1);
    double aspect = static_cast<double>(videoWidth) / videoHeight;
    double pixels = (bounds.left < 0 && bounds.right > 0) || (bounds.top < 0 && bounds.bottom > 0) ? 2 : 1;
    FUZZ_CHECK(std::fabs(width - height * aspect) <= pixels || std::fabs(height - width / aspect) <= pixels);
    return 0;
}
