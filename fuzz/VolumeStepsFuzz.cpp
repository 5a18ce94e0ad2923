// Wheel volume: a level stays within the mixer's range and moves the way the wheel turned, by 2 %
// of the range a notch rounded up (less only where the range ends). Wheel movement adds up to
// whole notches and never keeps a notch's worth pending.
#include <cmath>
#include <cstdlib>

#include "audio/VolumeSteps.h"
#include "fuzz/FuzzCheck.h"

namespace {

const double kLevelMax = 65535;

void CheckLevel(unsigned level, int notches) {
    unsigned to = LevelAfterNotches(level, notches);
    double from = level > kLevelMax ? kLevelMax : level;
    double exact = from + notches * (kLevelMax / 50.0);
    FUZZ_CHECK(to <= kLevelMax);
    if (exact > 0 && exact < kLevelMax) FUZZ_CHECK(to >= exact && to < exact + 1);
    if (exact <= 0) FUZZ_CHECK(to == 0);
    if (exact >= kLevelMax) FUZZ_CHECK(to == kLevelMax);
}

void CheckWheel(FuzzedDataProvider& input) {
    int pending = 0;
    for (int i = 0; i < 8 && input.remaining_bytes() > 0; ++i) {
        int delta = input.ConsumeIntegral<int16_t>();
        int before = pending;
        int notches = TakeWheelNotches(&pending, delta);
        FUZZ_CHECK(std::abs(pending) < kWheelDelta);
        bool sameWay = (before >= 0) == (delta >= 0);
        if (sameWay) FUZZ_CHECK(notches * kWheelDelta + pending == before + delta);
        FUZZ_CHECK(notches == 0 || (notches > 0) == (delta > 0));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    unsigned level = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : input.ConsumeIntegralInRange(0u, 65535u);
    int notches = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange(-60, 60);
    CheckLevel(level, notches);
    CheckWheel(input);
    return 0;
}
