// Slider geometry: the value under x stays in the range between the insets, is the range's ends
// outside the control and, clamped to the range as the slider does, grows with x; the thumb keeps
// its size, sits on the channel for every position in the range and moves right as the position
// grows; reading the value under the thumb's centre gives back the position to within one pixel's
// worth.
#include <algorithm>

#include "controls/SliderGeometry.h"
#include "fuzz/FuzzCheck.h"

namespace {

// Mouse coordinates arrive as signed 16-bit words and windows are no wider than that either.
const int kCoordinate = 32767;

void CheckValueUnderX(int x, int clientWidth, int inset, int minValue, int maxValue) {
    int value = SliderPositionFromX(x, clientWidth, inset, minValue, maxValue);
    int last = clientWidth - 1;
    if (x < 0) FUZZ_CHECK(value == minValue);
    if (x > last) FUZZ_CHECK(value == maxValue);
    if (minValue > maxValue) return;
    if (x >= inset && x <= last - inset) FUZZ_CHECK(value >= minValue && value <= maxValue);
    if (x == inset && last - 2 * inset > 0) FUZZ_CHECK(value == minValue);
    // Within the insets the value runs past the range's ends and drops back to them outside
    // the control; the slider clamps it, and so clamped it grows with x.
    int next = SliderPositionFromX(x + 1, clientWidth, inset, minValue, maxValue);
    FUZZ_CHECK(std::clamp(next, minValue, maxValue) >= std::clamp(value, minValue, maxValue));
}

void CheckThumb(int clientWidth, int inset, int position, int minValue, int maxValue, int thumbWidth) {
    RECT channel = SliderChannelRect(SliderInnerRect({0, 0, clientWidth, 18}, inset), 5);
    RECT thumb = SliderThumbRect(channel, position, minValue, maxValue, thumbWidth, 18);
    FUZZ_CHECK(thumb.right - thumb.left == thumbWidth && thumb.bottom - thumb.top == 18);
    int centre = thumb.left + thumbWidth / 2;
    if (minValue == maxValue) FUZZ_CHECK(centre == channel.left);
    if (minValue >= maxValue || position < minValue || position > maxValue) return;
    FUZZ_CHECK(centre >= channel.left && centre <= channel.right);
    if (position < maxValue)
        FUZZ_CHECK(SliderThumbRect(channel, position + 1, minValue, maxValue, thumbWidth, 18).left >= thumb.left);
    // The value under the thumb's centre is the thumb's position, less at most one pixel's worth.
    int span = clientWidth - 1 - 2 * inset;
    if (span <= 0) return;
    int value = SliderPositionFromX(centre, clientWidth, inset, minValue, maxValue);
    double pixel = (static_cast<double>(maxValue) - minValue) / span;
    FUZZ_CHECK(value <= position && value >= position - pixel - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    int clientWidth = input.ConsumeIntegralInRange(0, kCoordinate);
    int inset = input.ConsumeIntegralInRange(0, 64);
    int x = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    int minValue = input.ConsumeIntegral<int>(), maxValue = input.ConsumeIntegral<int>();
    int position = input.ConsumeIntegral<int>();
    int thumbWidth = input.ConsumeIntegralInRange(0, 64);
    if (input.ConsumeBool()) {
        // Usually the range the main window sets.
        minValue = 0;
        maxValue = 10000;
        position = input.ConsumeIntegralInRange(-1, 10001);
    }
    CheckValueUnderX(x, clientWidth, inset, minValue, maxValue);
    CheckThumb(clientWidth, inset, position, minValue, maxValue, thumbWidth);
    return 0;
}
