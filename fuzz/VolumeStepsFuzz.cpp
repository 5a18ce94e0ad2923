// Wheel volume: a level stays within the mixer's range and moves the way the wheel turned, by 2 %
// of the range a notch rounded up (less only where the range ends).
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    unsigned level = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : input.ConsumeIntegralInRange(0u, 65535u);
    int notches = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange(-60, 60);
    CheckLevel(level, notches);
    return 0;
}
