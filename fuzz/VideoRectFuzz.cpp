// Fitting a picture: no picture size or no bounds writes nothing; otherwise the rectangle lies
// inside the bounds, is centred in them, fills them in one direction and keeps the picture's
// aspect to within a pixel.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzCheck.h"
#include "media/VideoRect.h"

namespace {

bool Within(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    RECT bounds;
    bounds.left = input.ConsumeIntegral<int32_t>();
    bounds.top = input.ConsumeIntegral<int32_t>();
    bounds.right = input.ConsumeIntegral<int32_t>();
    bounds.bottom = input.ConsumeIntegral<int32_t>();
    if (input.ConsumeBool()) {
        // Usually a client rectangle, as the layout passes.
        bounds.left = bounds.top = 0;
        bounds.right = input.ConsumeIntegralInRange(-1, 1 << 16);
        bounds.bottom = input.ConsumeIntegralInRange(-1, 1 << 16);
    }
    int videoWidth = input.ConsumeIntegral<int>();
    int videoHeight = input.ConsumeIntegral<int>();
    if (input.ConsumeBool()) {
        videoWidth = input.ConsumeIntegralInRange(-1, 8192);
        videoHeight = input.ConsumeIntegralInRange(-1, 8192);
    }

    const RECT untouched = {-7, -7, -7, -7};
    RECT out = untouched;
    bool fitted = FitVideoRect(&out, &bounds, videoWidth, videoHeight);
    long long boundsWidth = static_cast<long long>(bounds.right) - bounds.left;
    long long boundsHeight = static_cast<long long>(bounds.bottom) - bounds.top;
    bool valid = videoWidth > 0 && videoHeight > 0 && boundsWidth > 0 && boundsHeight > 0;
    FUZZ_CHECK(fitted == valid);
    FUZZ_CHECK(!FitVideoRect(nullptr, &bounds, videoWidth, videoHeight));
    if (!fitted) {
        FUZZ_CHECK(out.left == untouched.left && out.top == untouched.top && out.right == untouched.right &&
                   out.bottom == untouched.bottom);
        return 0;
    }
    RECT kept = out;
    FUZZ_CHECK(!FitVideoRect(&kept, nullptr, videoWidth, videoHeight) && kept.left == out.left);

    FUZZ_CHECK(out.left >= bounds.left && out.top >= bounds.top);
    FUZZ_CHECK(out.right <= bounds.right && out.bottom <= bounds.bottom);
    FUZZ_CHECK(out.left <= out.right && out.top <= out.bottom);
    long long leftGap = static_cast<long long>(out.left) - bounds.left;
    long long rightGap = static_cast<long long>(bounds.right) - out.right;
    long long topGap = static_cast<long long>(out.top) - bounds.top;
    long long bottomGap = static_cast<long long>(bounds.bottom) - out.bottom;
    FUZZ_CHECK(std::llabs(leftGap - rightGap) <= 1 && std::llabs(topGap - bottomGap) <= 1);

    double width = static_cast<double>(out.right) - out.left;
    double height = static_cast<double>(out.bottom) - out.top;
    FUZZ_CHECK(width >= boundsWidth - 1 || height >= boundsHeight - 1);
    double aspect = static_cast<double>(videoWidth) / videoHeight;
    // Halving toward zero rounds the two edges apart when the bounds straddle the origin, which
    // costs one more pixel; client rectangles start at 0 and never do.
    bool straddles = (bounds.left < 0 && bounds.right > 0) || (bounds.top < 0 && bounds.bottom > 0);
    double pixels = straddles ? 2 : 1;
    FUZZ_CHECK(Within(width, height * aspect, pixels) || Within(height, width / aspect, pixels));
    return 0;
}
