#include "controls/SliderGeometry.h"

#include <climits>
#include <cmath>

namespace {
// Edges count as inside: a click on the last pixel row or column still hits.
bool ContainsInclusive(const RECT& r, POINT p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
}  // namespace

RECT SliderInnerRect(const RECT& client, int inset) {
    RECT r = client;
    r.left += inset;
    r.right -= inset;
    return r;
}

RECT SliderChannelRect(const RECT& bounds, int channelThickness) {
    RECT r;
    r.top = (bounds.top + bounds.bottom - channelThickness) / 2;
    r.bottom = r.top + channelThickness - 1;
    r.left = bounds.left;
    r.right = bounds.right - 1;
    if (r.right < r.left) {
        r.left = (bounds.left + bounds.right) / 2;
        r.right = r.left;
    }
    return r;
}

RECT SliderThumbRect(const RECT& channel, int position, int minValue, int maxValue, int thumbWidth,
                     int thumbHeight) {
    int centre = channel.left;
    // An empty range has no scale; the thumb then rests at the channel's start.
    if (maxValue != minValue) {
        // In doubles: a range wider than half the int range must not overflow, and a position
        // left outside a narrowed range may lie far off the channel; such a centre is pinned to
        // a quarter of the int range, which leaves room for the thumb's edges.
        double offset = (static_cast<double>(position) - minValue) * (channel.right - channel.left) /
                        (static_cast<double>(maxValue) - minValue);
        double placed = channel.left + std::trunc(offset);
        const double limit = INT_MAX / 4;
        if (placed > limit) placed = limit;
        if (placed < -limit) placed = -limit;
        centre = static_cast<int>(placed);
    }
    RECT r;
    r.top = (channel.top + channel.bottom - thumbHeight) / 2;
    r.bottom = r.top + thumbHeight;
    r.left = centre - thumbWidth / 2;
    r.right = r.left + thumbWidth;
    return r;
}

int SliderPositionFromX(int x, int clientWidth, int inset, int minValue, int maxValue) {
    int last = clientWidth - 1;
    // Left of the control means the lower end; reporting 0 instead would land inside a
    // range that starts below zero.
    if (x < 0) return minValue;
    if (x > last) return maxValue;
    int span = last - 2 * inset;
    if (span <= 0) return minValue;
    double value = (static_cast<double>(maxValue) - minValue) * (x - inset) / span;
    // Within the insets a range wider than half the int range gives values past what an int
    // holds; those are pinned, the slider clamps them anyway.
    double result = std::trunc(value) + minValue;
    if (result >= INT_MAX) return INT_MAX;
    if (result <= INT_MIN) return INT_MIN;
    return static_cast<int>(result);
}

SliderPart SliderHitTest(POINT point, const RECT& thumb, const RECT& channel) {
    if (ContainsInclusive(thumb, point)) return SliderThumb;
    if (ContainsInclusive(channel, point)) return SliderChannel;
    if (point.x >= channel.left && point.x <= channel.right) return SliderChannelSide;
    return SliderNone;
}
