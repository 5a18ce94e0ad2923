// Slider geometry: the value under x stays in the range between the insets, is the range's ends
// outside the control and, clamped to the range as the slider does, grows with x; the thumb keeps
// its size, sits on the channel for every position in the range and moves right as the position
// grows; reading the value under the thumb's centre gives back the position to within one pixel's
// worth; the channel is centred in its bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

#include "controls/SliderGeometry.h"
#include "fuzz/FuzzCheck.h"

namespace {

// Mouse coordinates arrive as signed 16-bit words and windows are no wider than that either.
const int kCoordinate = 32767;

RECT Rect(int left, int top, int right, int bottom) {
    RECT r = {left, top, right, bottom};
    return r;
}

void CheckChannel(const RECT& bounds, int thickness) {
    RECT ch = SliderChannelRect(bounds, thickness);
    FUZZ_CHECK(ch.bottom - ch.top == thickness - 1);
    long long above = static_cast<long long>(ch.top) - bounds.top;
    long long below = static_cast<long long>(bounds.bottom) - (ch.bottom + 1);
    FUZZ_CHECK(above - below <= 1 && below - above <= 1);
    if (bounds.right > bounds.left) {
        FUZZ_CHECK(ch.left == bounds.left && ch.right == bounds.right - 1);
    } else {
        FUZZ_CHECK(ch.left == ch.right);
        FUZZ_CHECK(ch.left >= std::min(bounds.left, bounds.right) && ch.left <= std::max(bounds.left, bounds.right));
    }
}

void CheckThumb(const RECT& channel, int position, int minValue, int maxValue, int width, int height) {
    RECT thumb = SliderThumbRect(channel, position, minValue, maxValue, width, height);
    FUZZ_CHECK(thumb.right - thumb.left == width && thumb.bottom - thumb.top == height);
    int centre = thumb.left + width / 2;
    if (minValue == maxValue) FUZZ_CHECK(centre == channel.left);
    if (minValue < maxValue && position >= minValue && position <= maxValue) {
        FUZZ_CHECK(centre >= channel.left && centre <= channel.right);
        if (position < maxValue) {
            RECT next = SliderThumbRect(channel, position + 1, minValue, maxValue, width, height);
            FUZZ_CHECK(next.left >= thumb.left);
        }
    }
}

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
    if (x < kCoordinate) {
        int next = SliderPositionFromX(x + 1, clientWidth, inset, minValue, maxValue);
        FUZZ_CHECK(std::clamp(next, minValue, maxValue) >= std::clamp(value, minValue, maxValue));
    }
}

// The value under the thumb's centre is the thumb's position, less at most one pixel's worth.
void CheckInverse(int clientWidth, int inset, int position, int minValue, int maxValue) {
    int span = clientWidth - 1 - 2 * inset;
    if (minValue >= maxValue || span <= 0 || position < minValue || position > maxValue) return;
    RECT client = Rect(0, 0, clientWidth, 18);
    RECT channel = SliderChannelRect(SliderInnerRect(client, inset), 5);
    RECT thumb = SliderThumbRect(channel, position, minValue, maxValue, 10, 18);
    int value = SliderPositionFromX(thumb.left + 5, clientWidth, inset, minValue, maxValue);
    double pixel = (static_cast<double>(maxValue) - minValue) / span;
    FUZZ_CHECK(value <= position);
    FUZZ_CHECK(value >= position - pixel - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    int clientWidth = input.ConsumeIntegralInRange(0, kCoordinate);
    int inset = input.ConsumeIntegralInRange(0, 64);
    int x = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    int minValue = input.ConsumeIntegral<int>();
    int maxValue = input.ConsumeIntegral<int>();
    int position = input.ConsumeIntegral<int>();
    int top = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    int height = input.ConsumeIntegralInRange(0, 64);
    int thickness = input.ConsumeIntegralInRange(1, 32);
    int thumbWidth = input.ConsumeIntegralInRange(0, 64);
    int thumbHeight = input.ConsumeIntegralInRange(0, 64);
    if (input.ConsumeBool()) {
        // Usually the range the main window sets.
        minValue = 0;
        maxValue = 10000;
        position = input.ConsumeIntegralInRange(-1, 10001);
    }

    CheckValueUnderX(x, clientWidth, inset, minValue, maxValue);
    CheckInverse(clientWidth, inset, position, minValue, maxValue);
    RECT bounds = SliderInnerRect(Rect(x, top, x + clientWidth, top + height), inset);
    FUZZ_CHECK(bounds.left == x + inset && bounds.right == x + clientWidth - inset);
    CheckChannel(bounds, thickness);
    CheckThumb(SliderChannelRect(bounds, thickness), position, minValue, maxValue, thumbWidth, thumbHeight);

    POINT point = {input.ConsumeIntegralInRange(-kCoordinate, kCoordinate),
                   input.ConsumeIntegralInRange(-kCoordinate, kCoordinate)};
    RECT channel = SliderChannelRect(bounds, thickness);
    RECT thumb = SliderThumbRect(channel, position, minValue, maxValue, thumbWidth, thumbHeight);
    SliderPart part = SliderHitTest(point, thumb, channel);
    bool onThumb = point.x >= thumb.left && point.x <= thumb.right && point.y >= thumb.top && point.y <= thumb.bottom;
    bool inColumns = point.x >= channel.left && point.x <= channel.right;
    FUZZ_CHECK((part == SliderThumb) == onThumb);
    FUZZ_CHECK(part == SliderThumb || (part == SliderNone) == !inColumns);
    return 0;
}
