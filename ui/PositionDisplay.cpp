#include "ui/PositionDisplay.h"

#include <climits>
#include <cstdio>

#include "media/TimeText.h"

int SliderValueForPosition(uint32_t positionMs, uint32_t durationMs) {
    if (durationMs == 0) return 0;
    double value = positionMs * static_cast<double>(kSliderScale) / durationMs;
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

uint32_t SeekTargetForSlider(int sliderValue, uint32_t durationMs) {
    if (sliderValue <= 0) return 0;
    // The slider never passes its scale; a value that did would seek past the end, or beyond what
    // 32 bits of milliseconds hold.
    if (sliderValue > kSliderScale) sliderValue = kSliderScale;
    return static_cast<uint32_t>(sliderValue * static_cast<double>(durationMs) * 0.0001);
}

void FormatPositionText(char* out, size_t size, uint32_t positionMs, uint32_t durationMs) {
    char position[32], duration[32];
    FormatMediaTime(position, sizeof(position), positionMs);
    FormatMediaTime(duration, sizeof(duration), durationMs);
    snprintf(out, size, " %s / %s", position, duration);
}
