// Position display: within the file the slider value lies in 0..10000, never goes back as the
// position grows and is the exact proportion truncated; the end of the file is 10000 and past it
// more; a slider value seeks to its share of the file, truncated, never back as the value grows,
// never past the end, and reads back as itself to within one step; the pane text is
// " position / length" in time text, cut short safely in a short buffer.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/TimeText.h"
#include "ui/PositionDisplay.h"

namespace {

void CheckSlider(uint32_t position, uint32_t duration) {
    int value = SliderValueForPosition(position, duration);
    FUZZ_CHECK(value >= 0);
    if (duration == 0) FUZZ_CHECK(value == 0);
    else if (position >= duration) FUZZ_CHECK(value >= kSliderScale);
    if (duration != 0 && position <= duration) {
        uint64_t scaled = static_cast<uint64_t>(position) * kSliderScale;
        FUZZ_CHECK(static_cast<uint64_t>(value) * duration <= scaled && scaled < (value + 1ull) * duration);
    }
    if (position < UINT32_MAX) FUZZ_CHECK(SliderValueForPosition(position + 1, duration) >= value);
}

void CheckSeek(int value, uint32_t duration) {
    uint32_t target = SeekTargetForSlider(value, duration);
    if (value <= 0) FUZZ_CHECK(target == 0);
    if (value >= kSliderScale) FUZZ_CHECK(target == duration);
    if (value < 0 || value > kSliderScale) return;
    // The share of the length, truncated: never rounded up past the pick.
    uint64_t share = static_cast<uint64_t>(value) * duration;
    FUZZ_CHECK(target * 1ull * kSliderScale <= share && share < (target + 1ull) * kSliderScale);
    if (value < kSliderScale) FUZZ_CHECK(SeekTargetForSlider(value + 1, duration) >= target);
    if (duration >= static_cast<uint32_t>(kSliderScale)) {
        int back = SliderValueForPosition(target, duration);
        FUZZ_CHECK(back <= value && back >= value - 1);
    }
}

std::string Clock(uint32_t ms) {
    char text[32];
    FormatMediaTime(text, sizeof(text), ms);
    return text;
}

void CheckText(uint32_t position, uint32_t duration, size_t size) {
    std::string expected = " " + Clock(position) + " / " + Clock(duration);
    // Exactly as long as the caller said, so a write past it is caught.
    std::vector<char> text(size, 'x');
    FormatPositionText(text.data(), size, position, duration);
    if (size > 0) FUZZ_CHECK(std::string(text.data()) == expected.substr(0, size - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    uint32_t duration = input.ConsumeIntegral<uint32_t>();
    uint32_t position = input.ConsumeIntegral<uint32_t>();
    int value = input.ConsumeIntegral<int>();
    if (input.ConsumeBool()) value = input.ConsumeIntegralInRange(-1, kSliderScale + 1);
    CheckSlider(position, duration);
    CheckSeek(value, duration);
    CheckText(position, duration, input.ConsumeIntegralInRange<size_t>(0, 64));
    return 0;
}
